// The five point series of the tradeoff chart, in drawing and legend order,
// each with a colour and a point shape of its own (purple circles, orange stars,
// green diamonds, red shaded squares, blue triangles) and the mouse cursor shown
// over its points.
#pragma once

#include <QList>
#include <Qt>

class QScatterSeries;

enum class TradeoffSeries { Inferior, CarryOver, NonInferior, Supported, Random };

// "Inferior", "CarryOver", "NonInferior", "Supported", "Random", not yet in a chart.
QList<QScatterSeries*> makeTradeoffSeries();
Qt::CursorShape tradeoffCursor(TradeoffSeries series);
