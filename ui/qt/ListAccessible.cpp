// SPDX-License-Identifier: MIT
#include "ui/qt/ListAccessible.h"

#include "ui/qt/TemplateControls.h"

#include <QAccessibleWidget>

namespace quorvex::ui {

namespace {

// A drop-down list as assistive technology sees it: its name, its current entry as the value,
// and "press" to open it.
class ListAccessible final : public QAccessibleWidget {
  public:
    explicit ListAccessible(TemplateList* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        const auto* list = static_cast<const TemplateList*>(widget());
        switch (t) {
        case QAccessible::Name:
            return list->accessibleName().isEmpty() ? list->currentText() : list->accessibleName();
        case QAccessible::Value:
            return list->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            static_cast<TemplateList*>(widget())->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* listFactory(const QString&, QObject* object) {
    if (auto* list = qobject_cast<TemplateList*>(object))
        return new ListAccessible(list);
    return nullptr;
}

} // namespace

void useListAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(listFactory);
        return true;
    }();
    (void)installed;
}

} // namespace quorvex::ui
