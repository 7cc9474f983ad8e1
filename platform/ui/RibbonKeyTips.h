// SPDX-License-Identifier: MIT
// The ribbon's key tips: pressing and releasing Alt alone shows a small letter over the
// application button, each visible tab and the tab row's buttons; pressing a letter then
// runs its target (clicks the button, opens the tab), Escape or a click puts them away.
#pragma once

#include <vector>

#include <QObject>
#include <QPointer>

#include "platform/ui/core/RibbonData.h"

class QLabel;
class QWidget;
class CRibbonBar;

class CRibbonKeyTips : public QObject {
    Q_OBJECT

public:
    CRibbonKeyTips(CRibbonBar* pRibbon, const CRibbonLayoutData& layout);
    ~CRibbonKeyTips() override;

    bool IsShown() const { return !m_tips.empty(); }
    void Show();
    void Hide();
    // The letters shown now, in the order of their targets.
    QString ShownKeys() const;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    struct CTip {
        QString key;
        QWidget* pTarget; // the widget the letter stands over
        int nTab;         // the tab it opens, or -1 for a button
        QPointer<QLabel> pLabel;
    };

    // The key of a tab: its own, or the first letter of its name no other tip uses.
    QString TabKey(int nIndex) const;
    bool Run(const QString& key);
    void AddTip(const QString& key, QWidget* pTarget, int nTab);

    QPointer<CRibbonBar> m_pRibbon;
    const CRibbonLayoutData& m_layout;
    std::vector<CTip> m_tips;
    bool m_bAltAlone = false;
};
