#include "setup/main_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/documents_folder.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "setup/model/install.h"
#include "setup/model/uninstall_plan.h"
#include "setup/setup_dialogs.h"

using namespace Qt::StringLiterals;

namespace nv::setup {
namespace {
QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}
// A caption whose text a screen reader says as the name of `buddy`.
QLabel* buddyLabel(QWidget* parent, const QString& caption, QWidget* buddy) {
  auto* l = new QLabel(caption, parent);
  l->setBuddy(buddy);
  buddy->setAccessibleName(QString(caption).remove(u'：'));
  return l;
}
QLineEdit* edit(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setMinimumWidth(300);
  return e;
}
}  // namespace

QString TMainForm::openDialogFilter() {
  // Self-extracting programs end in ".run" here.
  return QStringLiteral(
      "実行ファイル(*.exe;*.com;*.bat)|*.exe;*.com;*.bat|HTMLファイル(*.htm;*.html)|*.htm;*.html|"
      "画像ファイル(*.jpg;*.png;*.gif;*.bmp)|*.jpg;*.png;*.gif;*.bmp|テキストファイル(*.txt;*.ggg;"
      "*.doc)|*.txt;*.ggg;*.doc|圧縮ファイル(*.lzh;*.run)|*.lzh;*.run|全てのファイル(*.*)|*.*");
}

TMainForm::TMainForm(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(u"Nuvelta をインストールします"_s);
  // 1-2. Maker mode and the trees.
  makerMode_ = fileExists(settingsPath());
  current_ = std::make_shared<TBrCaFolder>();
  std::string bytes;
  if (fileExists(snapshotPath()) && readFile(snapshotPath(), bytes))
    previous_ = std::shared_ptr<TBrCaFolder>(readSnapshot(bytes));

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  buildInstallPart();
  buildMakerPart();

  // 3-5. Install folder, association state, an empty distribution box.
  E_BaseFolder->setText(toQ(installFolderOrDefault(store_)));
  SB_Kanrenduke->setChecked(associationPresent());
  E_Haihu->clear();
  // 6. Without maker mode the builder group is cut off.
  if (!makerMode_) {
    GB_1->setEnabled(false);
    GB_1->hide();
  } else {
    readMakerSettings();
  }
  connect(E_BaseFolder, &QLineEdit::textChanged, this, &TMainForm::refresh);
  connect(E_Haihu, &QLineEdit::textChanged, this, &TMainForm::refresh);
  // 8.
  B_Kousin->setEnabled(false);
  refresh();
  // 7. The search starts once the window is up.
  QTimer::singleShot(0, this, &TMainForm::startArchiveSearch);
}

TMainForm::~TMainForm() {
  for (auto* job : {searchJob_.get(), scanJob_.get(), deleteJob_.get()})
    if (job) job->requestStop();
}

void TMainForm::buildInstallPart() {
  auto* top = new QWidget(this);
  auto* grid = new QGridLayout(top);
  grid->setContentsMargins(0, 0, 0, 0);
  E_BaseFolder = edit(top, "E_BaseFolder");
  B_ChangeInstallDir = button(top, "B_ChangeInstallDir", u"変更(&1)"_s);
  E_Haihu = edit(top, "E_Haihu");
  B_ChangeHaihuFile = button(top, "B_ChangeHaihuFile", u"変更(&2)"_s);
  grid->addWidget(buddyLabel(top, u"インストールする場所："_s, E_BaseFolder), 0, 0);
  grid->addWidget(E_BaseFolder, 0, 1);
  grid->addWidget(B_ChangeInstallDir, 0, 2);
  grid->addWidget(buddyLabel(top, u"配布ファイル："_s, E_Haihu), 1, 0);
  grid->addWidget(E_Haihu, 1, 1);
  grid->addWidget(B_ChangeHaihuFile, 1, 2);

  auto* row = new QHBoxLayout;
  B_Install = button(top, "B_Install", u"インストールする(&I)"_s);
  B_Uninstall = button(top, "B_Uninstall", u"アンインストールする(&U)..."_s);
  row->addWidget(B_Install);
  row->addWidget(B_Uninstall);
  row->addStretch();
  grid->addLayout(row, 2, 0, 1, 3);

  GB_MakeShortCutIcon = new QGroupBox(u"ショートカットアイコンを"_s, top);
  GB_MakeShortCutIcon->setObjectName(QStringLiteral("GB_MakeShortCutIcon"));
  auto* sc = new QHBoxLayout(GB_MakeShortCutIcon);
  MakeShortCutOnDesktop = button(GB_MakeShortCutIcon, "MakeShortCutOnDesktop", u"&Desktopに作る"_s);
  MakeShortCutOnStartMenu =
      button(GB_MakeShortCutIcon, "MakeShortCutOnStartMenu", u"&StartMenuに作る"_s);
  sc->addWidget(MakeShortCutOnDesktop);
  sc->addWidget(MakeShortCutOnStartMenu);
  SB_Kanrenduke = new QToolButton(top);
  SB_Kanrenduke->setObjectName(QStringLiteral("SB_Kanrenduke"));
  SB_Kanrenduke->setText(u"関連づけをする"_s);
  SB_Kanrenduke->setCheckable(true);
  auto* row2 = new QHBoxLayout;
  row2->addWidget(GB_MakeShortCutIcon);
  row2->addWidget(SB_Kanrenduke, 0, Qt::AlignBottom);
  row2->addStretch();
  SB_About = new QToolButton(top);
  SB_About->setObjectName(QStringLiteral("SB_About"));
  SB_About->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  SB_About->setIconSize(QSize(32, 32));
  SB_About->setAutoRaise(true);
  SB_About->setAccessibleName(u"バージョン情報"_s);
  B_Cancel = button(top, "B_Cancel", u"閉じる(&C)"_s);
  B_Cancel->setToolTip(u"このプログラムを終了します"_s);
  row2->addWidget(SB_About, 0, Qt::AlignBottom);
  row2->addWidget(B_Cancel, 0, Qt::AlignBottom);
  grid->addLayout(row2, 3, 0, 1, 3);
  layout()->addWidget(top);

  InstallTimer = new QTimer(this);
  InstallTimer->setObjectName(QStringLiteral("InstallTimer"));
  InstallTimer->setInterval(1000);
  connect(InstallTimer, &QTimer::timeout, this, &TMainForm::refresh);

  connect(B_ChangeInstallDir, &QPushButton::clicked, this, &TMainForm::pickInstallFolder);
  connect(B_ChangeHaihuFile, &QPushButton::clicked, this, &TMainForm::pickDistribution);
  connect(B_Install, &QPushButton::clicked, this, &TMainForm::B_InstallClick);
  connect(B_Uninstall, &QPushButton::clicked, this, &TMainForm::B_UninstallClick);
  connect(SB_Kanrenduke, &QToolButton::clicked, this, &TMainForm::SB_KanrendukeClick);
  connect(MakeShortCutOnDesktop, &QPushButton::clicked, this,
          [this] { makeDesktopShortcut(mainProgram()); });
  connect(MakeShortCutOnStartMenu, &QPushButton::clicked, this,
          [this] { makeStartMenuShortcut(mainProgram()); });
  connect(SB_About, &QToolButton::clicked, this, [this] {
    TAboutBox box(this);
    box.exec();
  });
  connect(B_Cancel, &QPushButton::clicked, this, &QWidget::close);
}

std::string TMainForm::mainProgram() const { return mainProgramPath(fromQ(E_BaseFolder->text())); }

Job::Post TMainForm::poster() {
  // Completions run in the window's thread, and not at all once the window is gone.
  QPointer<TMainForm> guard(this);
  return [guard](std::function<void()> fn) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [guard, fn] {
          if (guard) fn();
        },
        Qt::QueuedConnection);
  };
}

void TMainForm::startArchiveSearch() {
  if (searchJob_) return;
  std::vector<std::string> folders{desktopFolder()};
  std::string lzh = E_LzhFolder ? fromQ(E_LzhFolder->text()) : std::string();
  if (makerMode_ && !lzh.empty()) {
    folders.push_back(lzh);
  } else {
    folders.push_back(programFolder());
    folders.push_back(documentsFolder());
  }
  auto found = std::make_shared<std::vector<std::string>>();
  searchJob_ = Job::start(
      [folders, found](const std::atomic<bool>& stop) {
        *found = searchArchives(folders, {"NVA*.run"}, stop);
      },
      [this, found] { searchDone(std::move(*found)); }, poster());
}

void TMainForm::searchDone(std::vector<std::string> found) {
  searchJob_.reset();
  orderArchiveResults(found);
  if (found.size() == 1) {
    E_Haihu->setText(toQ(found[0]));
  } else if (found.size() >= 2) {
    TSelectLzhFileForm form(found, this);
    if (form.exec() == QDialog::Accepted && form.chosen() >= 0)
      E_Haihu->setText(toQ(found[size_t(form.chosen())]));
    else
      E_Haihu->clear();
  }
  refresh();
}

void TMainForm::refresh() {
  bool installed = fileExists(mainProgram());
  // A record without the program is what an unfinished uninstall left: it can be finished.
  const std::string folder = store_.read();
  B_Uninstall->setVisible(installed ||
                          (!folder.empty() && fileExists(joinPath(folder, kManifestName))));
  GB_MakeShortCutIcon->setVisible(installed);
  SB_Kanrenduke->setVisible(installed);
  if (installed) InstallTimer->stop();
  B_Install->setEnabled(!E_Haihu->text().isEmpty());
}

bool TMainForm::pickFile(int filterIndex, const std::string& initialDir,
                         const std::string& fileName, std::string& chosen, bool mustExist) {
  FileRequest r = fileRequest(openDialogFilter());
  r.filterIndex = filterIndex;
  r.initialDir = initialDir;
  r.fileName = fileName.empty() ? std::string("default") : fileName;
  r.mustExist = mustExist;
  return dialogs().openFile(r, chosen);
}

bool TMainForm::pickFolder(int filterIndex, const std::string& initialDir, std::string& folder) {
  // "default" names no file, and the folder may hold none yet.
  std::string path;
  if (!pickFile(filterIndex, initialDir, "", path, false)) return false;
  folder = folderOf(path);
  return true;
}

void TMainForm::pickInstallFolder() {
  std::string picked;
  if (!pickFolder(6, fromQ(E_BaseFolder->text()), picked)) return;
  std::string folder = storedInstallFolder(picked);
  E_BaseFolder->setText(toQ(folder));
  store_.write(folder);
}

void TMainForm::pickDistribution() {
  std::string path;
  if (!pickFile(5, "", fromQ(E_Haihu->text()), path)) return;
  E_Haihu->setText(toQ(path));
}

void TMainForm::B_InstallClick() {
  std::string distribution = fromQ(E_Haihu->text());
  if (!fileExists(distribution)) {
    ask(distribution, u"配布ファイルが見つからないのでインストールできません"_s, Icon::None,
        Buttons::Ok);
    return;
  }
  if (busy_) return;
  busy_ = true;
  // A self-extracting program is extracted here too, so its failures are told like any other.
  std::string folder = fromQ(E_BaseFolder->text());
  InstallResult r = installDistribution(distribution, folder, store_, homeFolder());
  if (!folder.empty()) E_BaseFolder->setText(toQ(folder));
  if (r.outcome == InstallResult::Outcome::Refused)
    prompt().messageBox(installFailureText(r, folder), installFailureCaption(r), Icon::Stop,
                        Buttons::Ok);
  else if (r.outcome != InstallResult::Outcome::Installed)
    prompt().messageBox(installFailureText(r, folder), {}, Icon::Information, Buttons::Ok);
  busy_ = false;
  refresh();
}

void TMainForm::B_UninstallClick() {
  if (deleteJob_) {
    deleteJob_->requestStop();
    return;
  }
  std::string folder = store_.read();
  if (folder.empty()) return;
  // Only what the install recorded is ever deleted; a folder that cannot be uninstalled is
  // refused before anything is asked or removed.
  UninstallPlan plan = planUninstall(folder, homeFolder());
  if (plan.problem != FolderProblem::None) {
    prompt().messageBox(folderProblemText(plan.problem, plan.folder, true),
                        folderProblemCaption(true), Icon::Stop, Buttons::Ok);
    return;
  }
  Answer a = ask(
      QStringLiteral("　Nuvelta をアンインストールするコマンドが選択されました。\n　Nuvelta "
                     "をアンインストールすると、再度セットアップするまで、献立データ等を開くこと"
                     "はできません。\n\n　それでも、アンインストールを続行した時は「はい」または"
                     "「OK」ボタンをクリックして下さい。アンインストールを実行します。"),
      u"アンインストールしますか？"_s, Icon::Question, Buttons::YesNo);
  if (a != Answer::Yes) return;
  store_.remove();
  if (SB_Kanrenduke->isChecked()) {
    SB_Kanrenduke->setChecked(false);
    SB_KanrendukeClick();
  }
  auto removed = std::make_shared<RemoveResult>();
  deleteJob_ = Job::start(
      [plan, removed](const std::atomic<bool>& stop) { *removed = removeInstalled(plan, stop); },
      [this, plan, removed] { deleteDone(plan.folder, *removed); }, poster());
  B_Uninstall->setText(u"中断する(&U)"_s);
}

void TMainForm::deleteDone(std::string folder, RemoveResult removed) {
  deleteJob_.reset();
  B_Uninstall->setText(u"アンインストールする(&U)..."_s);
  removeShortcuts();
  // What is left keeps its key and its record, so that the next uninstall finishes the job.
  if (!removed) store_.write(folder);
  refresh();
  if (!removed.complete && !removed.left.empty())
    prompt().messageBox(leftFilesText(folder, removed.left), folderProblemCaption(true), Icon::Stop,
                        Buttons::Ok);
}

void TMainForm::SB_KanrendukeClick() {
  if (SB_Kanrenduke->isChecked() && fileExists(mainProgram())) {
    addAssociation(mainProgram());
  } else {
    SB_Kanrenduke->setChecked(false);
    removeAssociation();
  }
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (makerMode_) {
    Ini ini(settingsPath());
    makerSettingsFromControls().write(ini);
    ini.save();
  }
  event->accept();
}

}  // namespace nv::setup
