// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace quorvex::ui {

// An edit as the template framework has it: digits-only edits refuse other keys, and the limit
// stops typing and pasting but not the program's own texts.
class TemplateEdit final : public QLineEdit {
    Q_OBJECT

  public:
    // Text dropped from elsewhere would bypass the edit's rules.
    explicit TemplateEdit(QWidget* parent) : QLineEdit(parent) { setAcceptDrops(false); }

    void setDigitsOnly(bool digitsOnly) { m_digitsOnly = digitsOnly; }
    void setLimit(int characters) { m_limit = characters; }
    int limit() const { return m_limit; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool accepts(const QString& typed) const;
    void pasteAccepted();

    bool m_digitsOnly = false;
    int m_limit = 0;
};

// A drop-down list that never selects on its own: adding to an empty list leaves it without a
// selection. Tells a user's pick (also of the same entry) apart from closing the list unpicked.
class TemplateList final : public QComboBox {
    Q_OBJECT

  public:
    explicit TemplateList(QWidget* parent);

    void addEntry(const QString& text);
    std::function<void()> onPick;
    std::function<void()> onCloseUp;

    void showPopup() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool m_popupOpen = false;
    bool m_picked = false;
    QObject* m_watchedPopup = nullptr;
};

// A push button; with wrapping on, text too wide for one line continues on the next.
class TemplateButton final : public QPushButton {
    Q_OBJECT

  public:
    TemplateButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}
    void setWrapping(bool wrapping) { m_wrapping = wrapping; }
    bool wrapping() const { return m_wrapping; }
    // Where the text goes: inside the bevel with a margin, so that it never touches the edges.
    QRect textArea() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool m_wrapping = false;
};

// A group frame drawn as the framework draws it: an etched line and the title, with nothing
// filled, so the window's blue shows through unchanged.
class TemplateFrame final : public QGroupBox {
    Q_OBJECT

  public:
    TemplateFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A static text that can be clicked, like a web address.
class LinkLabel final : public QLabel {
    Q_OBJECT

  public:
    explicit LinkLabel(QWidget* parent);
    std::function<void()> onClick;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quorvex::ui
