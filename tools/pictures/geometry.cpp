#include "pictures/geometry.h"

#include <algorithm>
#include <cmath>

#include "pictures/steady_math.h"

double length(Point p)
{
    return std::sqrt(p.x * p.x + p.y * p.y);
}

double dot(Point a, Point b)
{
    return a.x * b.x + a.y * b.y;
}

double Circle::distance(Point p) const
{
    return length(p - centre) - radius;
}

Box Circle::bounds() const
{
    return {centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius};
}

double Ellipse::distance(Point p) const
{
    // First-order estimate: the level value over its gradient. Exact on a
    // circle and close enough near the edge of a flattened one.
    Point q = {(p.x - centre.x) / rx, (p.y - centre.y) / ry};
    double level = length(q);
    double slope = length({q.x / rx, q.y / ry});
    if (slope <= 0)
        return -std::min(rx, ry);
    return (level - 1) * level / slope;
}

Box Ellipse::bounds() const
{
    return {centre.x - rx, centre.y - ry, centre.x + rx, centre.y + ry};
}

static double distance_to_segment(Point p, Point a, Point b)
{
    Point ab = b - a;
    double span = dot(ab, ab);
    double t = span > 0 ? clamp01(dot(p - a, ab) / span) : 0;
    return length(p - (a + ab * t));
}

double Capsule::distance(Point p) const
{
    return distance_to_segment(p, a, b) - radius;
}

Box Capsule::bounds() const
{
    return {std::min(a.x, b.x) - radius, std::min(a.y, b.y) - radius,
            std::max(a.x, b.x) + radius, std::max(a.y, b.y) + radius};
}

double RoundedBox::distance(Point p) const
{
    double cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    double qx = std::abs(p.x - cx) - ((box.right - box.left) / 2 - radius);
    double qy = std::abs(p.y - cy) - ((box.bottom - box.top) / 2 - radius);
    double outside = length({std::max(qx, 0.0), std::max(qy, 0.0)});
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

Box RoundedBox::bounds() const
{
    return box;
}

double Polygon::distance(Point p) const
{
    double nearest = 1e300;
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        Point a = corners[j], b = corners[i];
        nearest = std::min(nearest, distance_to_segment(p, a, b));
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
            inside = !inside;
    }
    return inside ? -nearest : nearest;
}

Box Polygon::bounds() const
{
    Box box = {corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (Point c : corners) {
        box.left = std::min(box.left, c.x);
        box.top = std::min(box.top, c.y);
        box.right = std::max(box.right, c.x);
        box.bottom = std::max(box.bottom, c.y);
    }
    return box;
}

Point Placement::at(double u, double v) const
{
    double c = cosine(turn), s = sine(turn);
    return {centre.x + (u * c - v * s) * half, centre.y + (u * s + v * c) * half};
}

Point Placement::to_unit(Point p) const
{
    double c = cosine(turn), s = sine(turn);
    Point d = (p - centre) * (1 / half);
    return {d.x * c + d.y * s, -d.x * s + d.y * c};
}

double HalfPlane::distance(Point p) const
{
    return -dot(p - through, normal);
}

Box HalfPlane::bounds() const
{
    return {-1e6, -1e6, 1e6, 1e6};
}
