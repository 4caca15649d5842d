#pragma once

class Prompts;
class QChartView;
class QWidget;

// A diagram's view, named "Diagramma" and drawn smooth, over a new chart that writes its
// numbers the Italian way (0,5). Part of the chart library (chartwindows.cpp), like the
// windows that draw diagrams: only they may call it.
QChartView* diagramView(QWidget* parent);

// "Esporta immagine....": the chart a window draws, saved as PNG or SVG (by the name's
// extension; a name without one is PNG) to a file the user names. A refused name or a
// failed write is told to the user and leaves the disk as it was.
void exportChart(QWidget* owner, Prompts& prompts, QWidget* chart, const char* suggestedName);
