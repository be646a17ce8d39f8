// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

#include <optional>

#include "core/cplx.h"
#include "graphics/plane.h"
#include "graphics/plane_view.h"
#include "platform/surface.h"

// Colours of the graphs.
inline const QColor ProjectionGrey{100, 100, 100};  // dotted projections; axes of binary and roots graphs
inline const QColor PanelBlue{0, 0, 240};           // the complex of the graph panel; each root
inline const QColor OperandBlue{0, 0, 192};         // Z1 and Z2 in the graph windows
inline const QColor ResultRed{240, 0, 0};           // the result in the graph windows
inline const QColor ConstructionGrey{120, 120, 120}; // the parallelogram, the roots' polygon
inline const QColor FaintGrey{175, 175, 175};        // the roots' circle

// The colour of graph window k (0 addition .. 3 division): yellow, orange, red, blue.
QColor BinaryGraphColor(int k);
// The paper of graph window k: a light tint of its colour, so that the operands in blue and
// the result in red stay readable on every window.
QColor BinaryGraphPaper(int k);

// The arrow from the origin to z in the surface's fore colour and the vector's heavier pen, then
// its dotted projections onto both axes in projection grey (which stays the fore colour
// afterwards, with the axes' pen).
void DrawComplexVector(const PlaneScale& scale, const Cplx& z, Surface& surface);

// The labels of the graphs: z₁, z₂, z₁ + z₂ ... for operation op, and the angles' names.
QString OperandLabel(int i);
QString BinaryResultLabel(OpCode op);

// Each graph below answers the scale it was drawn on. Given a view, a graph is drawn on that
// window of the plane instead of the one it fits to its values.

// The graph panel's empty plane: -5..5 on both axes, fitted to the surface, in projection grey.
PlaneScale ResetGraphPanel(Surface& surface, const PlaneWindow& view = {});
// Draws z in the graph panel at a scale that fits it, labelled (a letter, a formula; "z" when
// empty). Answers nothing, drawing nothing, for 0 + 0i (the panel keeps its picture) unless a view
// is given; the caller
// enables its save button and writes the text box.
std::optional<PlaneScale> ShowInGraphPanel(Surface& surface, const Cplx& z, const QString& label = QString(),
                                           const PlaneWindow& view = {});

// The graph of binary operation op: z1 and z2 in operand blue, the result in red, on a plane that
// holds all three, with what makes the operation seen: the parallelogram of a sum (z2 moved to
// the tip of z1) or of a difference (of z1 and −z2), and the arguments' arcs of a product or a
// quotient. When all three are zero the default plane is shown.
PlaneScale DrawBinaryGraph(Surface& surface, OpCode op, const Cplx& z1, const Cplx& z2, const Cplx& result,
                           const PlaneWindow& view = {});
// The same without its construction, the result labelled "z".
PlaneScale DrawBinaryGraph(Surface& surface, const Cplx& z1, const Cplx& z2, const Cplx& result,
                           const PlaneWindow& view = {});
// The operands of op alone, when its result does not exist, and a note in red that says why.
PlaneScale DrawOperandsGraph(Surface& surface, const Cplx& z1, const Cplx& z2, const QString& note,
                             const PlaneWindow& view = {});

// The base z in operand blue and z to the exponent in red, with the arcs of θ and nθ.
PlaneScale DrawPowerGraph(Surface& surface, const Cplx& base, double exponent, const Cplx& result,
                          const PlaneWindow& view = {});

// The n roots that start at r0, step degrees apart, as panel-blue arrows with their projections,
// labelled w₀ to wₙ₋₁ (w₀ alone when there are more than a dozen), on their faint circle and
// with the regular polygon through them. A first root of modulus 0 (all roots zero) shows the
// default plane.
PlaneScale DrawRootsGraph(Surface& surface, const Cplx& r0, double step, int n, const PlaneWindow& view = {});
