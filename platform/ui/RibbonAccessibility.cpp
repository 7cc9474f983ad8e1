// SPDX-License-Identifier: MIT
#include "platform/ui/RibbonAccessibility.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace {

QString PanelCaption(const QWidget* pPanel) {
    for (const QLabel* pLabel : pPanel->findChildren<QLabel*>()) {
        if (pLabel->objectName() == QLatin1String("RibbonPanelCaption")) {
            return pLabel->text();
        }
    }
    return {};
}

QString SpokenText(QString text) {
    text.replace(u'\n', u' ');
    text.remove(u'&');
    return text.simplified();
}

} // namespace

void NameRibbonControls(QWidget* pRibbon) {
    if (pRibbon == nullptr) {
        return;
    }
    for (QWidget* pPanel : pRibbon->findChildren<QWidget*>()) {
        if (pPanel->objectName() != QLatin1String("RibbonPanel")) {
            continue;
        }
        const QString caption = PanelCaption(pPanel);
        if (caption.isEmpty()) {
            continue;
        }
        for (QAbstractSlider* pSlider : pPanel->findChildren<QAbstractSlider*>()) {
            pSlider->setAccessibleName(caption);
        }
        for (QLineEdit* pEdit : pPanel->findChildren<QLineEdit*>()) {
            pEdit->setAccessibleName(caption);
        }
    }
    for (QAbstractButton* pButton : pRibbon->findChildren<QAbstractButton*>()) {
        QString name = SpokenText(pButton->text());
        if (name.isEmpty()) {
            name = SpokenText(pButton->toolTip());
        }
        if (!name.isEmpty()) {
            pButton->setAccessibleName(name);
        }
    }
}
