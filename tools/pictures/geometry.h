// Shapes in pixel space (x right, y down, the pixel in row i and column j
// covering x from j to j + 1 and y from i to i + 1), each given by its
// signed distance in pixels: negative inside, positive outside. Anti-aliased
// coverage follows from the distance alone.
#ifndef MOLLIBEK_TOOLS_GEOMETRY_H
#define MOLLIBEK_TOOLS_GEOMETRY_H

#include <algorithm>
#include <vector>

struct Point {
    double x = 0, y = 0;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator*(Point a, double k) { return {a.x * k, a.y * k}; }
double length(Point p);
double dot(Point a, Point b);

// Where a drawing made on the square from -1 to 1 lands in pixels: centred
// on `centre`, `half` pixels from the centre to the square's edge, turned
// clockwise by `turn` radians.
struct Placement {
    Point centre;
    double half;
    double turn = 0;
    Point at(double u, double v) const;
    Point to_unit(Point p) const;
    double pixels(double units) const { return units * half; }
};

struct Box {
    double left, top, right, bottom;
};

struct Circle {
    Point centre;
    double radius;
    double distance(Point p) const;
    Box bounds() const;
};

struct Ellipse {
    Point centre;
    double rx, ry;
    double distance(Point p) const;
    Box bounds() const;
};

// A line from a to b drawn with round ends, `radius` wide on either side.
struct Capsule {
    Point a, b;
    double radius;
    double distance(Point p) const;
    Box bounds() const;
};

// A rectangle with corners rounded by `radius`.
struct RoundedBox {
    Box box;
    double radius;
    double distance(Point p) const;
    Box bounds() const;
};

// A closed polygon, its corners in either turning order; it may be concave
// but must not cross itself.
struct Polygon {
    std::vector<Point> corners;
    double distance(Point p) const;
    Box bounds() const;
};

// Everything on the side of the line through `through` that `normal`, a unit
// vector, points to.
struct HalfPlane {
    Point through;
    Point normal;
    double distance(Point p) const;
    Box bounds() const;
};

// A shape turned clockwise by `turn` radians about `pivot`.
template <class Shape> struct Turned {
    Shape shape;
    Point pivot;
    double turn;
    double distance(Point p) const { return shape.distance(Placement{pivot, 1, -turn}.at(p.x - pivot.x, p.y - pivot.y)); }
    Box bounds() const
    {
        Box b = shape.bounds();
        double reach = std::max(length(Point{b.left, b.top} - pivot), length(Point{b.right, b.bottom} - pivot));
        reach = std::max(reach, std::max(length(Point{b.left, b.bottom} - pivot), length(Point{b.right, b.top} - pivot)));
        return {pivot.x - reach, pivot.y - reach, pivot.x + reach, pivot.y + reach};
    }
};

// A shape grown outward by `by` pixels, or shrunk for a negative `by`.
template <class Shape> struct Grown {
    Shape shape;
    double by;
    double distance(Point p) const { return shape.distance(p) - by; }
    Box bounds() const
    {
        Box b = shape.bounds();
        return {b.left - by, b.top - by, b.right + by, b.bottom + by};
    }
};
template <class Shape> Grown<Shape> grown(const Shape& shape, double by)
{
    return {shape, by};
}

#endif
