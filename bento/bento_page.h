#pragma once
// The printed lunch-box page, composed by one function on any painter: the printer, the
// preview's picture and a PDF file all take the same drawing.
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bento/model/bento_grade.h"
#include "bento/model/kitchen_geometry.h"

class QPainter;
class QPagedPaintDevice;

namespace nv {

class LunchBoxDocument;
class TBentoubakoForm;
class TGunName;
struct KitchenScene;

struct BentoPageDish {
  std::string name;  // CP932
  KRect rect;        // kitchen window pixels
};

struct BentoPageData {
  std::string childName;  // CP932
  std::string bmpFolder;  // CP932, ends with '/'
  // The kitchen's large box (window pixels): the dishes keep their places relative to it.
  KRect kitchenBox;
  std::vector<BentoPageDish> dishes;  // list order, bottom-most first
  int grade = 0;                      // 0..3, 10 for a full box
  std::vector<GraphRow> graphRows;
  std::array<int32_t, 7> groupColors{};
};

// The page of a box in a kitchen, the box graded now with that graph kind.
BentoPageData bentoPageData(const LunchBoxDocument& box, const KitchenScene& scene, GraphKind kind,
                            const TGunName& gunName);
// The page of the kitchen window as it stands, with the graph kind of the moment.
BentoPageData bentoPageData(TBentoubakoForm& kitchen);

// Progress texts while the page is composed, for a status line.
using BentoPageStatus = std::function<void(const QString&)>;

// Draws the page into pageSize device pixels from the painter's origin.
void paintBentoPage(QPainter& painter, QSize pageSize, const BentoPageData& data,
                    const BentoPageStatus& status = {});
// One page per data on a printer or a PDF writer; false when the device cannot be painted.
bool printBentoPages(QPagedPaintDevice& device, const std::vector<BentoPageData>& pages,
                     const BentoPageStatus& status = {});

// "<name>:結果", the print job's title.
std::string bentoPrintJobTitle(const std::string& childName);

}  // namespace nv
