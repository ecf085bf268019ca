#pragma once
// What the fan chart parameters dialog computes from its fields at every
// repaint: the ring count, the size of the drawing, the pages it needs and
// the two labels that show them.
#include <string>
#include <string_view>

namespace quenor {

struct FanDialogFields {
  std::string_view generationsText;  // the generations field as typed
  std::string_view scaleText;        // the scale field as typed
  bool centimetres = false;          // the units group on its second item
  bool script = false;               // the AutoCAD script box checked
  double pageWidth = 0.0;            // printable page, inches
  double pageHeight = 0.0;
  double ringWidth = 2.5;
  double pageOverlap = 0.04;
};

struct FanDialogFigures {
  int ringCount = 0;
  double width = 0.0;   // inches of the drawing at the chosen scale
  double height = 0.0;
  double pageWidth = 0.0;   // the page used: the printer's, or with the
  double pageHeight = 0.0;  // script option one that holds the whole drawing
  int pagesAcross = 1;
  int pagesDown = 1;
  std::string dimensionsLabel;  // "%6.2f x%6.2f %s"
  std::string pagesLabel;       // "%d de largeur x %d de hauteur"
};

// The rings drawn for a number of generations: one less, but 12 for 12.
int RingCountOf(long generations);

// Pages of `pageSize` inches, neighbours overlapping by `overlap`, needed for
// `size` inches; never below 1 nor absurdly large.
int PagesFor(double size, double pageSize, double overlap);

FanDialogFigures ComputeFanDialogFigures(const FanDialogFields& fields);

}  // namespace quenor
