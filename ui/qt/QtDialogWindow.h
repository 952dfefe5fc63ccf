// SPDX-License-Identifier: MIT
#pragma once

#include "ui/Dialog.h"
#include "ui/ScriptedHost.h"
#include "ui/qt/DialogUnits.h"

#include <QDialog>

#include <map>
#include <optional>
#include <vector>

class QAction;

namespace quorvex::ui {

// A real window built from a dialog template, and what a form may do to it. Every control is a
// child of the window at its template position. The window never closes by itself: Enter, Esc
// and the close box go to the form, and only end() closes it.
class QtDialogWindow final : public QDialog, public DialogWindow {
  public:
    explicit QtDialogWindow(Dialog& dialog);
    ~QtDialogWindow() override;

    Dialog& dialog() const { return m_dialog; }
    const DialogUnits& units() const { return m_units; }
    bool ended() const { return m_ended; }
    int result() const { return m_result; }
    int defaultButton() const { return m_defaultButton; }
    std::string title() const;
    QWidget* control(int id) const;
    // The control a widget belongs to (a list's inner parts count as the list); kUnnamed if none.
    int idOf(const QWidget* widget) const;
    const ControlSpec* spec(int id) const;
    std::vector<int> ids() const;
    std::optional<ControlState> state(int id) const;
    // The About item of the window's context menu; null when the form offers none.
    QAction* aboutAction() const { return m_about; }
    // "Load from card…" beside it; null when the form offers none.
    QAction* loadAction() const { return m_load; }

    void setTitle(std::string_view title) override;
    void setIcon(int resource) override;
    void end(int result) override;
    void setText(int id, std::string_view text) override;
    std::string text(int id) const override;
    void setVisible(int id, bool visible) override;
    void setEnabled(int id, bool enabled) override;
    void moveBy(int id, int dxPixels, int dyPixels) override;
    void setFocus(int id) override;
    void setReadOnly(int id, bool readOnly) override;
    void setLimit(int id, int characters) override;
    void clearList(int id) override;
    void addItem(int id, std::string_view text) override;
    void select(int id, int position) override;
    int selected(int id) const override;
    int itemCount(int id) const override;

    using QDialog::setEnabled;
    using QDialog::setFocus;
    using QDialog::setVisible;

    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    struct Entry {
        const ControlSpec* spec;
        QWidget* widget;
    };
    void build();
    void scrollIfTooTall();
    // Accessible names and descriptions, label buddies and Alt+letters from the current texts.
    void updateAccessibility();
    template <typename W> W* as(int id) const;

    Dialog& m_dialog;
    DialogUnits m_units;
    std::map<int, Entry> m_controls;
    std::map<int, QString> m_texts; // texts of statics and buttons as the form set them
    int m_defaultButton = kIdOk;
    bool m_ended = false;
    int m_result = 0;
    QAction* m_about = nullptr;
    QAction* m_load = nullptr;
};

} // namespace quorvex::ui
