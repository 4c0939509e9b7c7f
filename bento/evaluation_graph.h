#pragma once
// The evaluation graph of a lunch box, drawn on any QPainter: on the kitchen (font size 8)
// and on the printed page (font size 10).
#include <array>
#include <cstdint>
#include <vector>

#include "bento/model/bento_grade.h"

class QPainter;
class QRect;

namespace nv {

// rect is (left, top, right, bottom) as a QRect; rows from evaluationGraphRows; colours are
// the seven food-group colours (Windows colour integers).
void paintEvaluationGraph(QPainter& painter, const QRect& rect, int fontPointSize,
                          const std::vector<GraphRow>& rows,
                          const std::array<int32_t, 7>& groupColors);

}  // namespace nv
