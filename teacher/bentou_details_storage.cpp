// The storage-place tab of TBentouDetailsForm: the numbers of every appliance, grouped per
// appliance (the refrigerator's door inside the refrigerator's group, since it is shown
// with it), and the preview that hands back where the teacher moved and sized it.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <vector>

#include "bento/model/bento_data.h"
#include "bento/model/bento_pictures.h"
#include "bento/model/kitchen_geometry.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "teacher/bentou_details_form.h"
#include "teacher/reizouko_form.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

const QString kHints[4] = {u"Ｘ座標"_s, u"Ｙ座標"_s, u"幅"_s, u"高さ"_s};
// Fixed widths keep the numbers of all groups in one column under each other.
constexpr int kCaptionWidth = 76;
constexpr int kNumberWidth = 62;

QSpinBox* numberBox(QWidget* parent, int low, int high, const QString& hint) {
  auto* box = new QSpinBox(parent);
  box->setRange(low, high);
  box->setFixedWidth(kNumberWidth);
  box->setAlignment(Qt::AlignRight);
  if (!hint.isEmpty()) box->setToolTip(hint);
  return box;
}

QLabel* caption(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setFixedWidth(kCaptionWidth);
  return l;
}

// A caption and the four numbers of a rectangle.
void addRectangleRow(QGridLayout* g, int row, const QString& text, std::array<QSpinBox*, 4>& boxes,
                     QWidget* parent) {
  g->addWidget(caption(text, parent), row, 0);
  for (int i = 0; i < 4; ++i) {
    boxes[size_t(i)] = numberBox(parent, -4096, 4096, kHints[i]);
    g->addWidget(boxes[size_t(i)], row, i + 1);
  }
}

// A caption and the column and row counts.
void addCountRow(QGridLayout* g, int row, const QString& text, TBentouDetailsForm::LayoutBoxes& b,
                 QWidget* parent) {
  g->addWidget(caption(text, parent), row, 0);
  b.columns = numberBox(parent, 1, 10, u"列"_s);
  b.rows = numberBox(parent, 1, 10, u"行"_s);
  g->addWidget(b.columns, row, 1);
  g->addWidget(b.rows, row, 2);
}

}  // namespace

QWidget* TBentouDetailsForm::buildStorageTab() {
  auto* tab = new QWidget;
  auto* v = new QVBoxLayout(tab);
  CB_UseRegion = new QCheckBox(u"Region を使って表示する"_s, tab);
  auto* note = new QLabel(
      u"←Region を使って表示すると、実際の感じがつかめます。この時、それぞれの器具の絵を閉じる"
      u"には、絵の上で右クリックして「閉じる」を選択して下さい。"_s,
      tab);
  note->setWordWrap(true);
  auto* top = new QHBoxLayout;
  top->addWidget(CB_UseRegion, 0, Qt::AlignTop);
  top->addWidget(note, 1);
  v->addLayout(top);

  // The refrigerator with its door takes the room of about two other groups.
  const std::vector<LayoutSection> left = {LayoutSection::Refrigerator, LayoutSection::Freezer,
                                           LayoutSection::RiceCooker};
  const std::vector<LayoutSection> right = {LayoutSection::FryingPan, LayoutSection::Pot,
                                            LayoutSection::Cupboard, LayoutSection::Oven};
  auto* columns = new QHBoxLayout;
  for (const std::vector<LayoutSection>* sections : {&left, &right}) {
    auto* column = new QVBoxLayout;
    for (LayoutSection s : *sections) column->addWidget(buildApplianceGroup(s, tab));
    column->addStretch(1);
    columns->addLayout(column);
  }
  v->addLayout(columns, 1);
  return tab;
}

QGroupBox* TBentouDetailsForm::buildApplianceGroup(LayoutSection s, QWidget* parent) {
  auto* group = new QGroupBox(toQ(layoutSectionName(s)), parent);
  auto* g = new QGridLayout(group);
  g->setVerticalSpacing(3);
  for (int i = 0; i < 4; ++i) {
    auto* hint = new QLabel(kHints[i], group);
    hint->setAlignment(Qt::AlignCenter);
    QFont small = hint->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    hint->setFont(small);
    hint->setForegroundRole(QPalette::PlaceholderText);
    g->addWidget(hint, 0, i + 1);
  }
  LayoutBoxes& b = layouts[size_t(s)];
  addRectangleRow(g, 1, u"絵："_s, b.picture, group);
  addRectangleRow(g, 2, u"献立："_s, b.area, group);
  addCountRow(g, 3, u"列・行："_s, b, group);
  b.show = new QPushButton(u"表示"_s, group);
  b.show->setAutoDefault(false);
  g->addWidget(b.show, 3, 3, 1, 2);
  connect(b.show, &QPushButton::clicked, this, [this, s] { showAppliance(s); });
  if (s == LayoutSection::Refrigerator) {
    LayoutBoxes& door = layouts[size_t(LayoutSection::Door)];
    addRectangleRow(g, 4, u"扉："_s, door.area, group);
    addCountRow(g, 5, u"扉の列・行："_s, door, group);
  }
  g->setColumnStretch(5, 1);
  return group;
}

ApplianceLayout TBentouDetailsForm::layoutOf(LayoutSection section) const {
  const LayoutBoxes& b = layouts[size_t(section)];
  ApplianceLayout l;
  l.raLeft = b.area[0]->value();
  l.raTop = b.area[1]->value();
  l.raRight = b.area[2]->value();
  l.raBottom = b.area[3]->value();
  l.maxCol = b.columns->value();
  l.maxRaw = b.rows->value();
  if (b.picture[0]) {
    l.iLeft = b.picture[0]->value();
    l.iTop = b.picture[1]->value();
    l.iRight = b.picture[2]->value();
    l.iBottom = b.picture[3]->value();
  } else {  // the door: its picture is its dish area
    l.iLeft = l.raLeft, l.iTop = l.raTop, l.iRight = l.raRight, l.iBottom = l.raBottom;
  }
  return l;
}

void TBentouDetailsForm::setLayout(LayoutSection section, const ApplianceLayout& l) {
  LayoutBoxes& b = layouts[size_t(section)];
  const int picture[4] = {l.iLeft, l.iTop, l.iRight, l.iBottom};
  const int area[4] = {l.raLeft, l.raTop, l.raRight, l.raBottom};
  for (size_t i = 0; i < 4; ++i) {
    if (b.picture[i]) b.picture[i]->setValue(picture[i]);
    b.area[i]->setValue(area[i]);
  }
  b.columns->setValue(l.maxCol);
  b.rows->setValue(l.maxRaw);
}

void TBentouDetailsForm::showAppliance(LayoutSection section) {
  const ApplianceLayout l = layoutOf(section);
  const std::string picture =
      joinPath(pictureFolder(), kitchenPictureRelative(applianceOf(section)));
  TReizoukoForm form(picture, CB_ReizoukoScrollBarStyle->currentIndex(), CB_UseRegion->isChecked(),
                     pictureFolder(), this);
  NameList names;
  if (kitchen_) kitchen_->dishesOfStorage(storageNameOf(section), names);
  form.setTitle(layoutSectionName(section));
  form.setPicture(QRect(l.iLeft, l.iTop, l.iRight, l.iBottom));
  // What the teacher sees is what the child gets: the kitchen covers the primary screen,
  // scaled to fit it and centred on it.
  if (previewScale_ > 0) {
    form.setKitchenScale(previewScale_, previewOrigin_);
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect g = screen->geometry();
    const KitchenAreas kitchen = computeKitchenAreas(g.width(), g.height(), {});
    form.setKitchenScale(kitchen.s, g.topLeft() + QPoint(kitchen.originX, kitchen.originY));
  }
  form.setMain(l.dishArea(), l.maxCol, l.maxRaw, names);
  const bool fridge = section == LayoutSection::Refrigerator;
  if (fridge) {
    const ApplianceLayout d = layoutOf(LayoutSection::Door);
    NameList doorNames;
    if (kitchen_) kitchen_->dishesOfStorage(storageNameOf(LayoutSection::Door), doorNames);
    form.setDoor(d.dishArea(), d.maxCol, d.maxRaw, doorNames, storageNameOf(LayoutSection::Door));
  }
  form.exec();
  ApplianceLayout back = l;
  const QRect g = form.pictureRect();
  back.iLeft = g.x(), back.iTop = g.y(), back.iRight = g.width(), back.iBottom = g.height();
  back.setDishArea(form.mainArea());
  setLayout(section, back);
  if (fridge) {
    ApplianceLayout door = layoutOf(LayoutSection::Door);
    door.setDishArea(form.doorArea());
    setLayout(LayoutSection::Door, door);
  }
}

}  // namespace nv
