// SPDX-License-Identifier: MIT
// nimbrel's own options: --help and --version print and end with status 0, without a
// display; anything it does not know gets the usage on standard error and status 2; the
// toolkit's options are left alone.
#include <QProcess>
#include <QtTest>

#include "app/CommandLine.h"

class CCommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void programAnswersWithoutAWindow_data();
    void programAnswersWithoutAWindow();
};

void CCommandLineTest::parse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("bad");
    const int kRun = int(ECommandLineAction::Run);
    const int kHelp = int(ECommandLineAction::Help);
    const int kVersion = int(ECommandLineAction::Version);
    const int kMisuse = int(ECommandLineAction::Misuse);
    QTest::newRow("nothing") << QStringList{} << kRun << "";
    QTest::newRow("--help") << QStringList{"--help"} << kHelp << "";
    QTest::newRow("-h") << QStringList{"-h"} << kHelp << "";
    QTest::newRow("--version") << QStringList{"--version"} << kVersion << "";
    QTest::newRow("toolkit option and value")
        << QStringList{"-platform", "offscreen", "--style=Fusion", "-reverse"} << kRun << "";
    QTest::newRow("help after a toolkit option")
        << QStringList{"--platform", "offscreen", "--help"} << kHelp << "";
    QTest::newRow("unknown long option")
        << QStringList{"--fullscreen"} << kMisuse << "--fullscreen";
    QTest::newRow("unknown short option") << QStringList{"-x"} << kMisuse << "-x";
    QTest::newRow("a file") << QStringList{"picture.png"} << kMisuse << "picture.png";
    QTest::newRow("first bad one is named")
        << QStringList{"--bogus", "--help"} << kMisuse << "--bogus";
}

void CCommandLineTest::parse() {
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, bad);
    std::vector<QByteArray> storage{"nimbrel"};
    for (const QString& argument : arguments) {
        storage.push_back(argument.toLocal8Bit());
    }
    std::vector<const char*> argv;
    for (const QByteArray& argument : storage) {
        argv.push_back(argument.constData());
    }
    const CCommandLine result = ParseCommandLine(int(argv.size()), argv.data());
    QCOMPARE(int(result.action), action);
    QCOMPARE(QString::fromStdString(result.strBadArgument), bad);
}

void CCommandLineTest::programAnswersWithoutAWindow_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("outputStart");
    QTest::addColumn<QString>("errorStart");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "usage: nimbrel"
                            << "";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "nimbrel 2.0"
                               << "";
    QTest::newRow("unknown") << QStringList{"--frobnicate"} << 2 << ""
                             << "nimbrel: unknown option '--frobnicate'\nusage: nimbrel";
}

void CCommandLineTest::programAnswersWithoutAWindow() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, outputStart);
    QFETCH(QString, errorStart);
    const QString strProgram = QStringLiteral(NIMBREL_EXE);
    if (strProgram.isEmpty()) {
        QSKIP("the nimbrel program is not part of this build");
    }
    // No display at all: the answer must come before any window machinery.
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* pszName : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(pszName));
    }
    process.setProcessEnvironment(environment);
    process.start(strProgram, arguments);
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString error = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(outputStart.isEmpty() ? output.isEmpty() : output.startsWith(outputStart),
             qPrintable(output));
    QVERIFY2(errorStart.isEmpty() ? error.isEmpty() : error.startsWith(errorStart),
             qPrintable(error));
}

QTEST_MAIN(CCommandLineTest)
#include "CommandLineTest.moc"
