#include "support/Fixtures.h"
#include "ui/SingleInstance.h"

#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>

namespace {

bool WaitUntilListening(int timeoutMs = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        QLocalSocket socket;
        socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
        socket.connectToServer(SingleInstance::ServerName());
        if (socket.waitForConnected(200))
            return true;
        QTest::qWait(50);
    }
    return false;
}

} // namespace

// Runs the built program as a user would start it, in a folder of its own and on a display name
// of its own, so no other copy on this machine is disturbed.
class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void allowsAnotherCopy_data();
    void allowsAnotherCopy();
    void handOverReachesTheRunningCopy();
    void secondStartHandsOverAndEnds();
    void dashMRunsASecondCopy();
    void terminationSavesTheGoals();
    void terminationInsideADialogSavesToo();

private:
    QProcess* Start(const QStringList& arguments = {});

    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    QProcessEnvironment m_environment;
};

void TestProgram::initTestCase() {
    qputenv("DISPLAY",
            QByteArray(":ordalune-test-") + QByteArray::number(QCoreApplication::applicationPid()));
    qunsetenv("WAYLAND_DISPLAY");
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
}

void TestProgram::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QFile file(m_dir->filePath("Ordalune.cdf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("File Version : 1\r\nUser : Pat\r\nEssay,02:00,01:30\r\n");
}

void TestProgram::cleanup() {
    for (auto& process : m_processes) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    m_processes.clear();
}

QProcess* TestProgram::Start(const QStringList& arguments) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(m_environment);
    process->setWorkingDirectory(m_dir->path());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(ORDALUNE_BINARY), arguments);
    process->waitForStarted();
    m_processes.push_back(std::move(process));
    return m_processes.back().get();
}

void TestProgram::allowsAnotherCopy_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("none") << QStringList{"ordalune"} << false;
    QTest::newRow("-m") << QStringList{"ordalune", "-m"} << true;
    QTest::newRow("-M") << QStringList{"ordalune", "-M"} << true;
    QTest::newRow("-multi") << QStringList{"ordalune", "-multi"} << true;
    QTest::newRow("-x") << QStringList{"ordalune", "-x"} << false;
    QTest::newRow("m") << QStringList{"ordalune", "m"} << false;
    QTest::newRow("file name") << QStringList{"ordalune", "Ordalune.cdf"} << false;
}

void TestProgram::allowsAnotherCopy() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, allowed);
    QCOMPARE(SingleInstance::AllowsAnotherCopy(arguments), allowed);
}

void TestProgram::handOverReachesTheRunningCopy() {
    QVERIFY(!SingleInstance::HandOver(200)); // nobody there yet
    SingleInstance running;
    QVERIFY(running.Publish());
    QSignalSpy shown(&running, &SingleInstance::showRequested);
    bool handedOver = false;
    QTimer::singleShot(0, [&] { handedOver = SingleInstance::HandOver(); });
    QTRY_COMPARE(shown.count(), 1);
    QVERIFY(handedOver);
}

void TestProgram::secondStartHandsOverAndEnds() {
    QProcess* first = Start();
    QVERIFY(WaitUntilListening());
    const QByteArray before = ReadBytes(m_dir->filePath("Ordalune.cdf"));
    QProcess* second = Start();
    QVERIFY(second->waitForFinished(15000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(ReadBytes(m_dir->filePath("Ordalune.cdf")), before);
    QVERIFY(!QFile::exists(m_dir->filePath("ordalune.bak")));
}

void TestProgram::dashMRunsASecondCopy() {
    Start();
    QVERIFY(WaitUntilListening());
    QProcess* second = Start({QStringLiteral("-m")});
    QVERIFY(!second->waitForFinished(2500));
    QCOMPARE(second->state(), QProcess::Running);
    // It shows the goals but, as the second copy in this folder, writes nothing on the way out.
    // Terminated while its start-up message is still open, it still ends cleanly.
    second->terminate();
    QVERIFY(second->waitForFinished(15000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(!QFile::exists(m_dir->filePath("ordalune.bak")));
}

void TestProgram::terminationSavesTheGoals() {
    QProcess* program = Start();
    QVERIFY(WaitUntilListening());
    program->terminate(); // SIGTERM, as at logout or shutdown
    QVERIFY(program->waitForFinished(15000));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
    QVERIFY(QFile::exists(m_dir->filePath("ordalune.bak")));
    QVERIFY(ReadBytes(m_dir->filePath("Ordalune.cdf")).contains("Essay,02:00,01:30"));
}

void TestProgram::terminationInsideADialogSavesToo() {
    QFile::remove(m_dir->filePath("Ordalune.cdf")); // no name: the user-name dialog opens at start
    QProcess* program = Start();
    QVERIFY(WaitUntilListening());
    QTest::qWait(300);
    ::kill(static_cast<pid_t>(program->processId()), SIGINT);
    QVERIFY(program->waitForFinished(15000));
    QCOMPARE(program->exitCode(), 0);
    const QByteArray saved = ReadBytes(m_dir->filePath("Ordalune.cdf"));
    QVERIFY2(saved.contains("User : Please enter your name\r\nNo Goals,00:00,00:00\r\n"), saved.constData());
}

QTEST_MAIN(TestProgram)
#include "TestProgram.moc"
