// The installer window on a temporary home: both modes, install, association, uninstall.
#include "setup/main_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "accessible_names.h"
#include "lzh_test_util.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/qt/qt_prompt.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"
#include "setup/lzh/lzh_extract.h"
#include "setup/lzh/lzh_writer.h"
#include "setup/setup_dialogs.h"
#include "temp_dir.h"

namespace {
using nvtest::put;
using nvtest::TempDir;

QApplication& app() {
  static int argc = 1;
  static char name[] = "test_setup";
  static char* argv[] = {name, nullptr};
  static QApplication* a = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *a;
}

// Pictures to look at, when NV_SHOT_DIR names a folder for them.
void shot(QWidget& w, const char* name) {
  const QString shots = qEnvironmentVariable("NV_SHOT_DIR");
  if (shots.isEmpty()) return;
  QDir().mkpath(shots);
  EXPECT_TRUE(w.grab().save(QDir(shots).filePath(QString::fromLatin1(name))));
}

// The window on a screen of each size schools have, with the boxes it showed over it, as the
// program draws them.
void shotsWithBoxes(QWidget& w, const std::vector<nvtest::PromptEvent>& boxes, const char* name) {
  const QString shots = qEnvironmentVariable("NV_SHOT_DIR");
  if (shots.isEmpty()) return;
  QDir().mkpath(shots);
  int n = 0;
  for (const nvtest::PromptEvent& e : boxes) {
    QMessageBox box(nv::qtIcon(e.icon), nv::toQ(e.caption), QString(), nv::qtButtons(e.buttons));
    nv::setHeadedText(box, nv::toQ(e.caption), nv::toQ(e.text));
    box.adjustSize();
    const QPixmap form = w.grab(), over = box.grab();
    ++n;
    for (const QSize size : {QSize(1024, 768), QSize(1366, 768)}) {
      QImage screen(size, QImage::Format_RGB32);
      screen.fill(QColor(0x3a, 0x6e, 0xa5));
      QPainter p(&screen);
      p.drawPixmap((size.width() - form.width()) / 2, (size.height() - form.height()) / 2, form);
      const QRect at((size.width() - over.width()) / 2, (size.height() - over.height()) / 2,
                     over.width(), over.height());
      p.drawPixmap(at.topLeft(), over);
      p.setPen(Qt::darkGray);
      p.drawRect(at.adjusted(0, 0, -1, -1));
      p.end();
      EXPECT_TRUE(screen.save(QDir(shots).filePath(QStringLiteral("%1-%2-%3x%4.png")
                                                       .arg(QString::fromLatin1(name))
                                                       .arg(n)
                                                       .arg(size.width())
                                                       .arg(size.height()))));
    }
  }
}

bool waitFor(const std::function<bool()>& done) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

// A home folder of its own: desktop, settings store and program folder all inside it.
class SetupWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    app();
    home = dir.file("home");
    put(home + "/Desktop/.keep", "");
    // Every folder the installer touches lies in the scratch home.
    qputenv("HOME", QByteArray(home.c_str()));
    qputenv("XDG_CONFIG_HOME", QByteArray((home + "/.config").c_str()));
    qputenv("XDG_DATA_HOME", QByteArray((home + "/.local/share").c_str()));
    qputenv("XDG_CACHE_HOME", QByteArray((home + "/.cache").c_str()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nv::toQ(home + "/.config"));
    program = dir.file("prog");
    put(program + "/nvsetup", "x");
    nv::setProgramFolder(program);
  }
  void TearDown() override { nv::setProgramFolder(""); }
  TempDir dir;
  std::string home, program;
};

TEST_F(SetupWindow, NormalModeInstallsAssociatesAndUninstalls) {
  std::string archive = home + "/Desktop/NVA20060401_0830.lzh";
  put(archive, nv::lzh::encodeArchive({{"NV", false, "#!/bin/sh\n", 0, 0755},
                                       {"bmp/a.bmp", false, "bmp", 0, 0644},
                                       {"BMP/nv.bmp", false, "bmp", 0, 0644}}));
  nv::setup::TMainForm form;
  form.show();
  EXPECT_FALSE(form.makerMode());
  EXPECT_TRUE(form.GB_1->isHidden());
  EXPECT_EQ(nv::fromQ(form.E_BaseFolder->text()), home + "/Morivale/");
  ASSERT_TRUE(waitFor([&] { return !form.jobRunning(); }));
  EXPECT_TRUE(form.E_Haihu->text().isEmpty());  // .lzh files are not what the search looks for
  EXPECT_FALSE(form.B_Install->isEnabled());
  EXPECT_TRUE(form.B_Uninstall->isHidden());
  shot(form, "normal-before-install.png");

  // A folder typed without its trailing '/' gets it before it is stored.
  form.E_BaseFolder->setText(nv::toQ(home + "/Morivale"));
  form.E_Haihu->setText(nv::toQ(archive));
  ASSERT_TRUE(form.B_Install->isEnabled());
  form.B_Install->click();
  EXPECT_EQ(nv::fromQ(form.E_BaseFolder->text()), home + "/Morivale/");
  EXPECT_TRUE(nv::fileExists(home + "/Morivale/NV"));
  EXPECT_EQ(QSettings(QStringLiteral("Pellora"), QStringLiteral("Nuvelta"))
                .value(QStringLiteral("InstallDir"))
                .toString(),
            nv::toQ(home + "/Morivale/"));
  EXPECT_FALSE(form.B_Uninstall->isHidden());
  EXPECT_FALSE(form.GB_MakeShortCutIcon->isHidden());
  shot(form, "normal-after-install.png");

  form.MakeShortCutOnDesktop->click();
  form.MakeShortCutOnStartMenu->click();
  EXPECT_TRUE(nv::fileExists(home + "/Desktop/NV.desktop"));
  EXPECT_TRUE(nv::fileExists(home + "/.local/share/applications/Nuvelta.desktop"));
  // Both launchers show the installed program's own picture.
  for (const std::string& launcher :
       {home + "/Desktop/NV.desktop", home + "/.local/share/applications/Nuvelta.desktop"}) {
    const std::string text = nvtest::readBytes(launcher);
    const size_t at = text.find("\nIcon=");
    ASSERT_NE(at, std::string::npos) << launcher;
    const std::string icon = text.substr(at + 6, text.find('\n', at + 1) - at - 6);
    EXPECT_EQ(icon, home + "/Morivale/BMP/nv.bmp");
    EXPECT_TRUE(nv::fileExists(icon));
  }
  form.SB_Kanrenduke->click();
  EXPECT_TRUE(form.SB_Kanrenduke->isChecked());
  EXPECT_TRUE(nv::fileExists(home + "/.local/share/mime/packages/NuveltaFile.xml"));

  {
    nvtest::ScriptedPrompt prompt;
    prompt.expectBox(
        "　Nuvelta をアンインストールするコマンドが選択されました。\n　Nuvelta "
        "をアンインストールすると、再度セットアップするまで、献立データ等を開くことはできません。\n"
        "\n"
        "　それでも、アンインストールを続行した時は「はい」または「OK」ボタンをクリックして下さい。"
        "アンインストールを実行します。",
        "アンインストールしますか？", nv::Icon::Question, nv::Buttons::YesNo, nv::Answer::Yes);
    form.B_Uninstall->click();
  }
  ASSERT_TRUE(waitFor([&] { return !form.jobRunning(); }));
  EXPECT_FALSE(QDir(nv::toQ(home + "/Morivale")).exists());
  EXPECT_FALSE(nv::fileExists(home + "/Desktop/NV.desktop"));
  EXPECT_FALSE(nv::fileExists(home + "/.local/share/applications/Nuvelta.desktop"));
  EXPECT_FALSE(nv::fileExists(home + "/.local/share/mime/packages/NuveltaFile.xml"));
  EXPECT_FALSE(form.SB_Kanrenduke->isChecked());
  EXPECT_EQ(form.B_Uninstall->text(), QString::fromUtf8("アンインストールする(&U)..."));
  EXPECT_TRUE(form.B_Uninstall->isHidden());
  EXPECT_TRUE(form.E_Haihu->text() == nv::toQ(archive));

  // A file that cannot be deleted is told; the folder stays installed, so a second uninstall
  // finishes once it is out of the way.
  form.B_Install->click();
  const std::string stuck = home + "/Morivale/bmp/a.bmp";
  std::filesystem::remove(nv::toFsPath(stuck));
  put(stuck + "/mine", "mine");
  for (bool blocked : {true, false}) {
    nvtest::ScriptedPrompt prompt;
    prompt.expectBox(
        "　Nuvelta をアンインストールするコマンドが選択されました。\n　Nuvelta "
        "をアンインストールすると、再度セットアップするまで、献立データ等を開くことはできません。\n"
        "\n"
        "　それでも、アンインストールを続行した時は「はい」または「OK」ボタンをクリックして下さい。"
        "アンインストールを実行します。",
        "アンインストールしますか？", nv::Icon::Question, nv::Buttons::YesNo, nv::Answer::Yes);
    if (blocked)
      prompt.expectBox("1 個のファイルを削除できませんでした。\n" + stuck +
                           "\nもう一度アンインストールすると、残りを削除します。",
                       "アンインストールできません", nv::Icon::Stop);
    form.B_Uninstall->click();
    ASSERT_TRUE(waitFor([&] { return !form.jobRunning(); }));
    if (blocked) {
      shotsWithBoxes(form, {prompt.shown().back()}, "uninstall-left");
      EXPECT_FALSE(nv::fileExists(home + "/Morivale/NV"));
      EXPECT_FALSE(form.B_Uninstall->isHidden());
      std::filesystem::remove_all(nv::toFsPath(stuck));
    }
  }
  EXPECT_FALSE(QDir(nv::toQ(home + "/Morivale")).exists());
  EXPECT_TRUE(form.B_Uninstall->isHidden());
}

TEST_F(SetupWindow, RefusedFoldersAreToldAndNothingIsTouched) {
  std::string archive = home + "/Desktop/NVA.lzh";
  put(archive, nv::lzh::encodeArchive({{"NV", false, "#!/bin/sh\n", 0, 0755}}));
  put(home + "/keep.txt", "mine");
  nv::setup::TMainForm form;
  ASSERT_TRUE(waitFor([&] { return !form.jobRunning(); }));
  form.E_Haihu->setText(nv::toQ(archive));
  {
    nvtest::ScriptedPrompt prompt;
    prompt.expectBox("インストールする場所が空です。フォルダーを入力してください。",
                     "インストールできません", nv::Icon::Stop);
    prompt.expectBox(home +
                         "/\nはホームフォルダーかそれを含むフォルダーなので、インストールできませ"
                         "ん。",
                     "インストールできません", nv::Icon::Stop);
    form.E_BaseFolder->clear();
    form.B_Install->click();
    form.E_BaseFolder->setText(nv::toQ(home));
    form.B_Install->click();
    shotsWithBoxes(form, prompt.shown(), "install-refused");
  }
  EXPECT_FALSE(nv::fileExists(home + "/NV"));

  // A damaged self-extracting distribution is told here, not only on the command line, and
  // installs nothing.
  std::string archive2 = nv::lzh::encodeArchive({{"NV", false, "#!/bin/sh\n", 0, 0755}});
  archive2[archive2.size() - 5] ^= 0x01;  // inside the stored data: a CRC error
  put(home + "/Desktop/NVA_bad.run", "#!/bin/sh\n" + archive2 + nv::lzh::sfxTrailer(10));
  form.E_Haihu->setText(nv::toQ(home + "/Desktop/NVA_bad.run"));
  form.E_BaseFolder->setText(nv::toQ(home + "/Bad"));
  {
    nvtest::ScriptedPrompt prompt;
    prompt.expectBox("格納ファイルのチェックサムが合っていません。", "", nv::Icon::Information);
    form.B_Install->click();
    shotsWithBoxes(form, prompt.shown(), "install-damaged");
  }
  EXPECT_FALSE(nv::fileExists(home + "/Bad/NV"));
  EXPECT_TRUE(form.B_Uninstall->isHidden());
  EXPECT_FALSE(form.InstallTimer->isActive());
  form.E_BaseFolder->setText(nv::toQ(home));

  // A stored home folder holding an NV is refused by uninstall, with the reason.
  put(home + "/NV", "x");
  QSettings(QStringLiteral("Pellora"), QStringLiteral("Nuvelta"))
      .setValue(QStringLiteral("InstallDir"), nv::toQ(home + "/"));
  form.refresh();
  ASSERT_FALSE(form.B_Uninstall->isHidden());
  // So is a link stored as the folder, with the separator the window stores.
  put(dir.file("real/NV"), "x");
  std::filesystem::create_directory_symlink(nv::toFsPath(dir.file("real")),
                                            nv::toFsPath(dir.file("NVlink")));
  {
    nvtest::ScriptedPrompt prompt;
    prompt.expectBox(home +
                         "/\nはホームフォルダーかそれを含むフォルダーなので、アンインストールでき"
                         "ません。\n何も削除していません。",
                     "アンインストールできません", nv::Icon::Stop);
    prompt.expectBox(dir.file("NVlink") +
                         "/\nはシンボリックリンクなので、アンインストールできません。リンク先のフ"
                         "ォルダーをインストールする場所に選んでください。\n何も削除していません。",
                     "アンインストールできません", nv::Icon::Stop);
    form.B_Uninstall->click();
    QSettings(QStringLiteral("Pellora"), QStringLiteral("Nuvelta"))
        .setValue(QStringLiteral("InstallDir"), nv::toQ(dir.file("NVlink") + "/"));
    form.B_Uninstall->click();
    shotsWithBoxes(form, prompt.shown(), "uninstall-refused");
  }
  EXPECT_TRUE(nv::fileExists(dir.file("real/NV")));
  EXPECT_FALSE(form.jobRunning());
  EXPECT_TRUE(nv::fileExists(home + "/keep.txt"));
  EXPECT_TRUE(nv::fileExists(home + "/NV"));
}

// The program path as a desktop reads it back from an Exec= value: the entry file's string
// escapes, then one quoted argument with its backslash escapes, "%%" a literal "%".
std::string execProgram(const std::string& entry) {
  const size_t at = entry.find("\nExec=");
  if (at == std::string::npos) return {};
  const std::string value = entry.substr(at + 6, entry.find('\n', at + 1) - at - 6);
  std::string s;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      s += value[i];
      continue;
    }
    const char e = value[++i];
    s += e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e == 's' ? ' ' : e;
  }
  if (s.empty() || s[0] != '"') return {};
  std::string program;
  for (size_t i = 1; i < s.size(); ++i) {
    if (s[i] == '"') return program;
    if (s[i] == '\\' && i + 1 < s.size())
      ++i;
    else if (s[i] == '%' && i + 1 < s.size() && s[i + 1] == '%')
      ++i;
    program += s[i];
  }
  return {};  // unclosed quote
}

TEST_F(SetupWindow, LaunchersQuoteEveryFolderName) {
  const bool validate = nvtest::runShell("command -v desktop-file-validate >/dev/null") == 0;
  for (const char* name :
       {"back\\slash", "per%cent%f", "quo\"te", "dol$lar`tick`", "sp ace", "line\nbreak\ttab"}) {
    const std::string program = home + "/" + name + "/NV";
    put(program, "#!/bin/sh\n");
    nv::setup::makeDesktopShortcut(program);
    nv::setup::addAssociation(program);
    for (const std::string& entry :
         {home + "/Desktop/NV.desktop", home + "/.local/share/applications/NuveltaFile.desktop"}) {
      const std::string text = nvtest::readBytes(entry);
      EXPECT_EQ(execProgram(text), program) << text;
      std::string out;
      if (validate) {
        EXPECT_EQ(nvtest::runShell("desktop-file-validate '" + entry + "' 2>&1", &out), 0)
            << name << ": " << out;
      }
    }
  }
  nv::setup::removeAssociation();
}

TEST_F(SetupWindow, OneDistributionFoundGoesIntoTheBoxAndAMissingOneIsReported) {
  put(home + "/Desktop/NVA20060401_0830.run", "x");
  nv::setup::TMainForm form;
  ASSERT_TRUE(waitFor([&] { return !form.E_Haihu->text().isEmpty(); }));
  EXPECT_EQ(nv::fromQ(form.E_Haihu->text()), home + "/Desktop/NVA20060401_0830.run");
  form.E_Haihu->setText(nv::toQ(home + "/gone.lzh"));
  nvtest::ScriptedPrompt prompt;
  prompt.expectBox(home + "/gone.lzh", "配布ファイルが見つからないのでインストールできません",
                   nv::Icon::None);
  form.B_InstallClick();
}

TEST_F(SetupWindow, VersionWindowReadsTheInstallersOwnVersion) {
  put(program + "/nvsetup", std::string("\x7f"
                                        "ELF") +
                                '\0' + "NVFILEVERSION=2.3.4.56" + '\0');
  nv::setup::TAboutBox about;
  EXPECT_EQ(about.windowTitle(), QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
  bool found = false;
  for (QLabel* l : about.findChildren<QLabel*>())
    found |= l->text() == QStringLiteral("Version 2.3.4  Build(56)");
  EXPECT_TRUE(found);
  EXPECT_EQ(nvtest::controlsWithoutJapaneseNames(&about).join(u'\n').toStdString(), "");
  shot(about, "version-window.png");

  put(program + "/nvsetup", "no version here");
  nvtest::ScriptedPrompt prompt;
  prompt.expectBox(
      "プログラムのバージョンを読み取れませんでした。\n" + nv::cp932ToUtf8(program) + "/nvsetup",
      "", nv::Icon::None);
  nv::setup::TAboutBox without;
}

TEST_F(SetupWindow, MakerModeShowsTheBuilderAndKeepsItsSettings) {
  put(program + "/nvsetup.ini",
      "[MainForm]\nSrc=/src\nLzh=\nMain=/src/NV\n[HaihuFiles]\nMax=3\ni0n=*.*\ni0c=1\ni1n=\n"
      "i1c=1\ni2n=*.bmp\ni2c=0\n");
  {
    nv::setup::TMainForm form;
    form.show();
    ASSERT_TRUE(waitFor([&] { return !form.jobRunning(); }));
    EXPECT_TRUE(form.makerMode());
    EXPECT_EQ(nvtest::controlsWithoutJapaneseNames(&form).join(u'\n').toStdString(), "");
    EXPECT_FALSE(form.GB_1->isHidden());
    ASSERT_EQ(form.CheckListBox1->count(), 2);
    EXPECT_EQ(form.CheckListBox1->item(1)->checkState(), Qt::Unchecked);
    EXPECT_FALSE(form.B_ItemEdit->isEnabled());
    form.CheckListBox1->setCurrentRow(0);
    EXPECT_TRUE(form.B_ItemEdit->isEnabled());
    EXPECT_TRUE(form.B_Kousin->isHidden());
    shot(form, "maker-mode.png");
    {
      // A folder is chosen by the preset name "default", which names no file: an empty
      // folder, or the output folder before anything is built, must be choosable.
      nvtest::ScriptedDialogs dialogs;
      dialogs.expectOpen(home + "/new/default")
          .expectOpen(home + "/src/default")
          .expectOpen(home + "/out/default")
          .expectOpen("/src/NV")
          .expectOpen(home + "/Desktop/NVA1.run");
      for (QPushButton* b : {form.B_ChangeInstallDir, form.B_SetSrcFolder, form.B_SetLzhFolder,
                             form.Button1, form.B_ChangeHaihuFile})
        b->click();
      std::vector<bool> mustExist;
      for (const nvtest::DialogCall& c : dialogs.calls()) mustExist.push_back(c.request.mustExist);
      EXPECT_EQ(mustExist, (std::vector<bool>{false, false, false, true, true}));
      EXPECT_EQ(nv::fromQ(form.E_BaseFolder->text()), home + "/new/");
      EXPECT_EQ(nv::fromQ(form.E_LzhFolder->text()), home + "/out");
    }
    form.E_LzhFolder->setText(QStringLiteral("/out"));
    form.close();
  }
  std::string ini = nvtest::readBytes(program + "/nvsetup.ini");
  EXPECT_NE(ini.find("Lzh=/out"), std::string::npos);
  EXPECT_NE(ini.find("Max=2"), std::string::npos);
  EXPECT_NE(ini.find("i1n=*.bmp"), std::string::npos);
}
}  // namespace

namespace {
TEST(SetupDialogs, ArchiveChooserListsNamesWithTheFirstChosenAndPatternNeedsText) {
  app();
  nv::setup::TSelectLzhFileForm chooser({"/d/NVA2.run", "/d/NVA1.run", "/e/NVA3.run"});
  EXPECT_EQ(chooser.windowTitle(), QString::fromUtf8("書庫ファイルを選択して下さい (nvsetup)"));
  QList<QRadioButton*> radios = chooser.findChildren<QRadioButton*>();
  ASSERT_EQ(radios.size(), 3);
  EXPECT_EQ(radios[0]->text(), QStringLiteral("NVA2.run"));
  EXPECT_EQ(chooser.chosen(), 0);
  radios[2]->click();
  EXPECT_EQ(chooser.chosen(), 2);
  shot(chooser, "select-archive.png");
  EXPECT_EQ(nvtest::controlsWithoutJapaneseNames(&chooser).join(u'\n').toStdString(), "");

  nv::setup::TEditExtForm edit("");
  EXPECT_FALSE(edit.B_Ok->isEnabled());
  EXPECT_EQ(nvtest::controlsWithoutJapaneseNames(&edit).join(u'\n').toStdString(), "");
  edit.Edit1->setText(QStringLiteral("*.bmp"));
  EXPECT_TRUE(edit.B_Ok->isEnabled());
  EXPECT_EQ(edit.pattern(), "*.bmp");
}
}  // namespace
