// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>
#include <QString>
#include <vector>

#include "platform/surface.h"

// The mapping of a window of the complex plane (user coordinates, y upwards) onto a surface
// (twips, y downwards) with one user unit the same length on both axes.
struct PlaneScale {
  double SurfaceWidth = 0;   // drawable width of the surface when the window was set
  double SurfaceHeight = 0;  // drawable height, same units
  double XMin = 0;           // the user window actually shown, after the fit
  double YMin = 0;
  double XMax = 0;
  double YMax = 0;
  double KX = 0;  // surface units per user unit, horizontally
  double KY = 0;  // the same vertically
};

// Fits the window to the surface's proportions by widening it symmetrically in one direction and
// fills the scale. A window of zero width or height, or one with bounds that are not finite, is
// widened to a usable one instead of failing.
void SetPlaneWindow(PlaneScale& scale, const Surface& surface, double xmin, double ymin, double xmax,
                    double ymax);
double MapX(const PlaneScale& scale, double x);
double MapY(const PlaneScale& scale, double y);

// Lines in user coordinates, in the surface's fore colour.
// Liang-Barsky: the part t0..t1 (0 <= t0 <= t1 <= 1) of the segment from (x1, y1) to (x2, y2) that
// lies in the box xmin..xmax, ymin..ymax; false when none of it does.
bool ClipSegment(double x1, double y1, double x2, double y2, double xmin, double ymin, double xmax, double ymax,
                 double& t0, double& t1);

void PlaneLine(const PlaneScale& scale, Surface& surface, double x1, double y1, double x2, double y2);
// A dotted line; the surface's line style is restored afterwards.
void DottedLine(const PlaneScale& scale, Surface& surface, double x1, double y1, double x2, double y2);
// A line of the given length from (x, y) at an angle in degrees.
void PlaneRay(const PlaneScale& scale, Surface& surface, double x, double y, double length, double angle);
// The line from (x1, y1) to (x2, y2) with a head of two barbs at (x2, y2).
void PlaneArrow(const PlaneScale& scale, Surface& surface, double x1, double y1, double x2, double y2);

// An arc about the origin from one angle to another, in degrees, counter-clockwise when `to` is
// the larger. A sweep of more than a turn winds outwards, a twentieth of the radius a turn, so
// that its turns are seen apart.
void PlaneArc(const PlaneScale& scale, Surface& surface, double radius, double from, double to);

// The pens of a graph's lines: a width or a dash, never the colour alone, tells a vector from a
// construction. The colour is left to the caller.
enum class Stroke { Axis, Vector, Construction, Projection };
void SetStroke(Surface& surface, Stroke stroke);

// A text of the picture and its box, in twips.
struct PlaneText {
  QString Text;
  QRectF Box;
};
// The size of the axes' numbers and of the labels, in points.
inline constexpr double TickLabelPoints = 7.5;
inline constexpr double LabelPoints = 9;
// The numbers of the axes: whole numbers, halves, tenths or whatever step of 1, 2 or 5 times a
// power of ten keeps them apart, under the real axis and left of the imaginary one (on the
// other side when the axis runs along an edge), all inside the picture and none on another.
std::vector<PlaneText> TickLabels(const PlaneScale& scale, Surface& surface);
// A number as the axes write it: no trailing zeros, a true minus sign.
QString TickText(double value, double step);

void DrawAxes(const PlaneScale& scale, Surface& surface);
// Axes and tick marks symmetric about the origin, one decimal step apart, and the ticks'
// numbers (TickLabels) in the fore colour.
void DrawAxesAndTicks(const PlaneScale& scale, Surface& surface);

// floor and ceil as the ticks take them: the same values, without the mathematics library, of which
// the plane shown at start then calls nothing (its code and tables are not read in for it).
double TickFloor(double x);
double TickCeil(double x);
double Log10(double v);
// The power of ten nearest to |v| on a logarithmic scale, with the sign of v: 3.1 gives 1,
// 3.2 gives 10, 0.05 gives 0.1.
double DecimalStep(double v);

// Fits the window to the surface, clears it and draws axes and ticks; answers the scale, which the
// rest of the graph is drawn through.
PlaneScale NewPlane(Surface& surface, double xmin, double ymin, double xmax, double ymax);
