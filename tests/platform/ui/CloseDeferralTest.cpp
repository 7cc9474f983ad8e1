// SPDX-License-Identifier: MIT
// A close asked for while a command runs is refused, reported, and asked again once the
// command is over; other windows close as usual.
#include <QPointer>
#include <QWidget>
#include <QtTest>

#include "platform/ui/CloseDeferral.h"

class CCloseDeferralTest : public QObject {
    Q_OBJECT

private slots:
    void closeWaitsUntilTheDeferralEnds();
    void otherWindowsCloseAtOnce();
};

void CCloseDeferralTest::closeWaitsUntilTheDeferralEnds() {
    QPointer<QWidget> pWindow = new QWidget;
    pWindow->setAttribute(Qt::WA_DeleteOnClose);
    pWindow->show();
    int nReported = 0;
    {
        CCloseDeferral deferral(pWindow, [&nReported] { ++nReported; });
        QVERIFY(!pWindow->close());
        QVERIFY(deferral.IsCloseDeferred());
        QCoreApplication::processEvents();
        QVERIFY(pWindow->isVisible());
    }
    QCOMPARE(nReported, 1);
    QVERIFY(!pWindow.isNull());
    QTRY_VERIFY(pWindow.isNull());
}

void CCloseDeferralTest::otherWindowsCloseAtOnce() {
    QWidget window;
    QWidget other;
    window.show();
    other.show();
    CCloseDeferral deferral(&window);
    QVERIFY(other.close());
    QVERIFY(!other.isVisible());
    QVERIFY(!deferral.IsCloseDeferred());
}

QTEST_MAIN(CCloseDeferralTest)
#include "CloseDeferralTest.moc"
