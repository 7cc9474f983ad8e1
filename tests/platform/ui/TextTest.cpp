// SPDX-License-Identifier: MIT
// The one crossing between Windows-1252 texts and Qt strings.
#include <QtTest>

#include "platform/ui/Text.h"

class CTextTest : public QObject {
    Q_OBJECT

private slots:
    void codePageCharacters_data();
    void codePageCharacters();
    void everyByteComesBackAsItWent();
    void charactersOutsideTheCodePageBecomeQuestionMarks();
};

void CTextTest::codePageCharacters_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    QTest::newRow("ascii") << 0x41 << 0x41;
    QTest::newRow("no-break space of the ribbon label") << 0xA0 << 0xA0;
    QTest::newRow("euro sign") << 0x80 << 0x20AC;
    QTest::newRow("ellipsis") << 0x85 << 0x2026;
    QTest::newRow("undefined byte keeps its value") << 0x81 << 0x81;
    QTest::newRow("Y with diaeresis") << 0x9F << 0x0178;
    QTest::newRow("e acute") << 0xE9 << 0xE9;
    QTest::newRow("last byte") << 0xFF << 0xFF;
}

void CTextTest::codePageCharacters() {
    QFETCH(int, byte);
    QFETCH(int, unicode);
    const std::string text(1, char(byte));
    QCOMPARE(FromAnsi(text), QString(QChar(char16_t(unicode))));
    QCOMPARE(ToAnsi(QString(QChar(char16_t(unicode)))), text);
}

void CTextTest::everyByteComesBackAsItWent() {
    std::string all;
    for (int i = 0; i < 256; ++i) {
        all.push_back(char(i));
    }
    QCOMPARE(FromAnsi(all).size(), qsizetype(256));
    QVERIFY(ToAnsi(FromAnsi(all)) == all);
}

void CTextTest::charactersOutsideTheCodePageBecomeQuestionMarks() {
    QCOMPARE(ToAnsi(QString::fromUtf8("a\u4E2Db\u0394")), std::string("a?b?"));
}

QTEST_MAIN(CTextTest)
#include "TextTest.moc"
