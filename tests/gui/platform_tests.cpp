// The desktop platform: questions from worker threads answered on the GUI thread, and
// the checks that keep outside text from reaching the desktop unchecked.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QScreen>
#include <algorithm>
#include <future>
#include <thread>

#include "gui/qt_platform.h"

namespace pk {

class PlatformTests : public QObject {
  Q_OBJECT

 private slots:
  void questionFromAWorkerIsAskedOnTheGuiThread() {
    QtPlatform platform;
    QString seen_title;
    QString seen_text;
    bool on_gui_thread = false;
    // Answers the box as soon as it is up: Yes.
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      seen_title = box->windowTitle();
      seen_text = box->text();
      on_gui_thread = QThread::currentThread() == qApp->thread();
      box->button(QMessageBox::Yes)->click();
    });
    answerer.start(10);

    std::atomic<bool> done{false};
    MessageAnswer answer = MessageAnswer::Ok;
    std::thread worker([&] {
      answer = platform.ShowMessage("是否退出程序？", "退出", MessageButtons::YesNo);
      done = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(done, 10000);
    worker.join();
    QCOMPARE(answer, MessageAnswer::Yes);
    QCOMPARE(seen_title, QStringLiteral("退出"));
    QCOMPARE(seen_text, QStringLiteral("是否退出程序？"));
    QVERIFY(on_gui_thread);
  }

  void screenSizeIsAnsweredWithoutWaitingForTheGuiThread() {
    QtPlatform platform;
    // The GUI thread processes no events while the worker asks.
    auto asked = std::async(std::launch::async, [&] { return platform.Screen(); });
    QCOMPARE(asked.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    const ScreenSize size = asked.get();
    const QSize expected = QGuiApplication::primaryScreen()->size();
    QCOMPARE(size.width, expected.width());
    QCOMPARE(size.height, expected.height());
  }

  void unattendedRunAnswersWithoutAsking() {
    QtPlatform platform;
    platform.SetUnattended(true);
    QCOMPARE(platform.ShowMessage("是否退出程序？", "退出", MessageButtons::YesNo), MessageAnswer::No);
    QCOMPARE(platform.ShowMessage("倍数不能为空!", "", MessageButtons::Ok), MessageAnswer::Ok);
    QVERIFY(!platform.AskSavePath({"文本文件（.txt）|*.txt", "/tmp", ".txt"}));
    QVERIFY(!QApplication::activeModalWidget());
  }

  void onlyWebAddressesAreOpened_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("opened");
    QTest::newRow("http") << "http://127.0.0.1:8765/download" << true;
    QTest::newRow("https, blanks around") << "  https://example.com/a?b=c  " << true;
    QTest::newRow("local file") << "file:///etc/passwd" << false;
    QTest::newRow("script") << "javascript:alert(1)" << false;
    QTest::newRow("other handler") << "smb://host/share" << false;
    QTest::newRow("no host") << "http://" << false;
    QTest::newRow("empty") << "" << false;
  }
  void onlyWebAddressesAreOpened() {
    QFETCH(QString, url);
    QFETCH(bool, opened);
    QCOMPARE(IsWebAddress(url.toStdString()), opened);
  }

  void saveFiltersBecomeQtFilters() {
    QCOMPARE(ToQtFilter("文本文件（.txt）|*.txt"), QStringLiteral("文本文件（.txt） (*.txt)"));
    QCOMPARE(ToQtFilter("文本|*.txt|表格|*.csv;*.xls"), QStringLiteral("文本 (*.txt);;表格 (*.csv *.xls)"));
  }

  void processNamesComeFromTheProcFolder() {
    QTemporaryDir proc;
    const QDir root(proc.path());
    for (const char* pid : {"12", "13", "14", "self"}) QVERIFY(root.mkdir(pid));
    QVERIFY(QFile::link(QStringLiteral("/usr/bin/pkcalc"), root.filePath("12/exe")));
    QFile cmdline(root.filePath("13/cmdline"));
    QVERIFY(cmdline.open(QIODevice::WriteOnly));
    cmdline.write(QByteArray("/opt/tools/other\0--flag\0", 24));
    cmdline.close();
    QFile comm(root.filePath("14/comm"));
    QVERIFY(comm.open(QIODevice::WriteOnly));
    comm.write("kworker\n");
    comm.close();
    QFile self_comm(root.filePath("self/comm"));
    QVERIFY(self_comm.open(QIODevice::WriteOnly));
    self_comm.write("notapid\n");
    self_comm.close();

    std::vector<std::string> names = ProcessNamesUnder(proc.path().toStdString());
    std::sort(names.begin(), names.end());
    QCOMPARE(names, (std::vector<std::string>{"kworker", "other", "pkcalc"}));
  }

  void noShutDownWithoutADesktopSession() { QVERIFY(!DesktopSessionPresent()); }
};

}  // namespace pk

int RunPlatformTests(int argc, char** argv) {
  pk::PlatformTests tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "platform_tests.moc"
