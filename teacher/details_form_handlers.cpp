// The settings dialog's handlers: choosers, conversions, the data-file view, colours.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QTreeWidget>

#include "core/converted_file.h"
#include "core/kondate_data.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/qtext.h"
#include "platform/qt/shell.h"
#include "platform/result.h"
#include "platform/text.h"
#include "platform/user_folders.h"
#include "teacher/details_form.h"
#include "teacher/model/picture_conversion.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

void fillList(QTreeWidget* view, const TextRows& rows) {
  view->clear();
  QList<QTreeWidgetItem*> items;
  for (const TextRow& r : rows) {
    QStringList cells;
    for (const std::string& c : r) cells << toQ(c);
    items << new QTreeWidgetItem(cells);
  }
  view->addTopLevelItems(items);
}

// The folder a chooser starts in: that of the current value, else the program's.
std::string startFolder(const std::string& current) {
  const std::string folder = folderOf(current);
  return folder.empty() ? programFolder() : folder;
}

std::string withSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

void TDetailsForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TDetailsForm::FormShow() {
  FileName2->setText(FileName->text());
  KaitenGroup->setTitle(toQ(kaitenShuukiCaption(TB_KaitenShuuki->value())));
  AddKondateFileName->setText(toQ(settings_.addKondateFileName));
  TabSheet4Resize();
  OkBtn->setEnabled(false);
}

void TDetailsForm::changed() { OkBtn->setEnabled(true); }

DetailsResult TDetailsForm::result() const {
  DetailsResult r;
  r.settings = settings_;
  DetailsSettings& s = r.settings;
  s.foodDataFile = fromQ(FoodDataFile->text());
  s.kondateDataFile = fromQ(KondateDataFile->text());
  s.sourceBmpFolder = fromQ(SourceBmpFolder->text());
  s.bmpFolder = fromQ(TargetBmpFolder->text());
  s.dataBaseFileName = fromQ(FileName->text());
  s.addKondateFileName = fromQ(AddKondateFileName->text());
  s.fontSize = FontSize->value();
  s.kondateIconSize = KondateIconSize->value();
  s.kondateIconFontSize = KondateIconFontSize->value();
  s.selIconSize = SelIconSize->value();
  s.selIconFontSize = SelIconFontSize->value();
  s.autoOpen = AutoOpen0->isChecked();
  s.kaitenShuuki = TB_KaitenShuuki->value();
  r.fileNameChanged = fileNameChanged_;
  r.addFileChanged = addFileChanged_;
  r.bmpFolderChanged = bmpFolderChanged_;
  return r;
}

bool TDetailsForm::chooseFile(QLineEdit* edit, const char* titleUtf8, const char* filterUtf8,
                              const char* ext) {
  const std::string current = fromQ(edit->text());
  FileRequest request;
  request.title = sj(titleUtf8);
  request.filter = sj(filterUtf8);
  request.defaultExt = ext;
  request.initialDir = startFolder(current);
  request.fileName = fileNameOf(current);
  std::string path;
  if (!dialogs().openFile(request, path)) return false;
  edit->setText(toQ(path));
  changed();
  return true;
}

bool TDetailsForm::chooseFolder(QLineEdit* edit, const char* titleUtf8, const char* filterUtf8) {
  const std::string current = fromQ(edit->text());
  FileRequest request;
  request.title = sj(titleUtf8);
  request.filter = sj(filterUtf8);
  request.initialDir = current.empty() ? programFolder() : current;
  request.fileName = "default";
  request.mustExist = false;  // "default" names no file: the folder is what is chosen
  std::string path;
  if (!dialogs().openFile(request, path)) return false;
  edit->setText(toQ(withSlash(folderOf(path))));
  changed();
  return true;
}

void TDetailsForm::SetFoodDataFile1BtnClick() {
  chooseFile(FoodDataFile, "食品ファイルの元になるファイルを指定して下さい",
             "食品ファイル(*.csv)|*.csv", "csv");
}

void TDetailsForm::SetKondateDataFileBtnClick() {
  chooseFile(KondateDataFile, "献立ファイルを指定して下さい", "献立ファイル(*.csv)|*.csv", "csv");
}

void TDetailsForm::SetAddKondateFileNameBtnClick() {
  const std::string current = fromQ(AddKondateFileName->text());
  FileRequest request;
  request.title = sj("献立ファイルを指定して下さい");
  request.filter = sj("献立ファイル(*.nv)|*.nv");
  request.defaultExt = "nv";
  request.initialDir = startFolder(current);
  request.fileName = fileNameOf(current);
  request.mustExist = false;  // a new file for the added dishes is a fine choice
  std::string path;
  if (!dialogs().openFile(request, path)) return;
  // The filter offers NV.nv beside NV_ADD.nv: the first added dish would be written over the
  // whole food and dish data.
  const std::string dataFile = fromQ(FileName->text());
  if (path == dataFile || sameFile(path, dataFile)) {
    prompt().messageBox(path, sj("データファイル（NV.nv）は追加献立ファイルにできません"),
                        Icon::Stop, Buttons::Ok);
    return;
  }
  if (!addFileMayBeReplaced(path)) {
    prompt().messageBox(path, sj("追加献立のデータではないファイルは追加献立ファイルにできません"),
                        Icon::Stop, Buttons::Ok);
    return;
  }
  AddKondateFileName->setText(toQ(path));
  addFileChanged_ = true;
  changed();
}

void TDetailsForm::SelSourceBmpFolderClick() {
  chooseFolder(SourceBmpFolder, "元の画像ファイルの場所を指定して下さい",
               "画像ファイル(*.bmp)|*.bmp");
}

void TDetailsForm::SelTargetBmpFolderBtnClick() {
  if (chooseFolder(TargetBmpFolder, "画像ファイルの保存先を指定して下さい",
                   "画像ファイル(*.bmp)|*.bmp|全てのファイル(*.*)|*.*"))
    bmpFolderChanged_ = true;
}

void TDetailsForm::TransBtnClick() {
  // An installed program folder cannot take the file: it goes to the user's data folder.
  const std::string configured = fromQ(FileName->text());
  const std::string target = dataFileForWriting(configured);
  const CsvConversion c = convertCsvFiles(fromQ(FoodDataFile->text()),
                                          fromQ(KondateDataFile->text()), target, &prompt());
  showResult(c.told, prompt());
  fillList(ListView1, c.foodRows);
  fillList(ListView2, c.dishRows);
  // Only a data file that was written is taken: a failed write left the old one in place.
  if (c.written) {
    if (target != configured) {
      FileName->setText(toQ(target));
      FileName2->setText(toQ(target));
      prompt().messageBox(target, sj("変換したデータファイルは次の場所に保存しました"),
                          Icon::Information, Buttons::Ok);
    }
    fileNameChanged_ = true;
    changed();
  }
}

void TDetailsForm::CheckKondateDataFileBtnClick() {
  const CsvConversion c =
      convertCsvFiles(fromQ(FoodDataFile->text()), fromQ(KondateDataFile->text()), {}, &prompt());
  showResult(c.told, prompt());
  fillList(ListView1, c.foodRows);
  fillList(ListView2, c.dishRows);
  if (!c.foodsRead) return;
  const std::string report = dishCsvReportPath(fromQ(KondateDataFile->text()));
  if (!fileExists(report)) return;
  if (open_)
    open_(report);
  else
    openDocument(report);
}

void TDetailsForm::Button3Click() { convertPictures(true); }
void TDetailsForm::Button1Click() { convertPictures(false); }

void TDetailsForm::convertPictures(bool shrink) {
  int dpi = dpi_;
  if (dpi <= 0) dpi = screen() ? int(screen()->logicalDotsPerInch()) : 96;
  const int limit = shrinkLimit(KondateIconSize->value(), KondateIconFontSize->value(), dpi);
  const auto results =
      nv::convertPictures(fromQ(SourceBmpFolder->text()), fromQ(TargetBmpFolder->text()),
                          shrink ? PictureMode::Shrink : PictureMode::Unchanged, limit,
                          [this](const std::string& name) {
                            TransLabel->setText(u"処理ファイル："_s + toQ(name));
                            TransLabel->repaint();
                          });
  std::string skipped;
  bool processed = false;
  for (const PictureResult& r : results) {
    if (r.how == PictureResult::How::Skipped)
      skipped += r.name + sj("（") + sj(pictureReasonText(r.why)) + sj("）") + "\n";
    else
      processed = true;
  }
  // A picture left behind is named with the reason, so the teacher knows which dish will show
  // none and what to do about it.
  if (!skipped.empty())
    prompt().messageBox(skipped, sj("変換できなかった画像ファイルがあります"), Icon::Warning,
                        Buttons::Ok);
  if (processed) changed();
}

void TDetailsForm::ShowBdFileBtnClick() {
  const DataFilePreview p = previewDataFile(fromQ(FileName2->text()));
  showResult(p.told, prompt());
  if (!p.opened) return;
  fillList(ListView3, p.foodRows);
  fillList(ListView4, p.dishRows);
  ShokuhinLabel->setText(u"食品数："_s + QString::number(p.foodRows.size()));
  KondateLabel->setText(u"献立数："_s + QString::number(p.dishRows.size()));
}

void TDetailsForm::SetBackColor(QPushButton* button, int32_t& color) {
  int32_t chosen = color;
  if (!dialogs().chooseColor(color, chosen)) return;
  color = chosen;
  paintColorButton(button, chosen);
  changed();
}

}  // namespace nv
