// The five point series of the tradeoff chart, in drawing and legend order,
// each with its colour, point shape and the mouse cursor shown over its points.
#pragma once

#include <QList>
#include <Qt>

class QScatterSeries;

enum class TradeoffSeries { Inferior, CarryOver, NonInferior, Supported, Random };

// "Inferior", "CarryOver", "NonInferior", "Supported", "Random", not yet in a chart.
QList<QScatterSeries*> makeTradeoffSeries();
Qt::CursorShape tradeoffCursor(TradeoffSeries series);
