#include "oonedraw/GObject.h"

#include "oonedraw/GCanvas.h"

#include <algorithm>
#include <cmath>

namespace oonedraw {

namespace {

// Even-odd test of a point against a polygon, as the platform's alternate-fill region does.
bool insidePolygon(const int32_t (&xs)[4], const int32_t (&ys)[4], int32_t px, int32_t py) {
    bool inside = false;
    for (int i = 0, j = 3; i < 4; j = i++) {
        if ((ys[i] > py) != (ys[j] > py)) {
            double crossX = xs[i] + double(py - ys[i]) * (xs[j] - xs[i]) / double(ys[j] - ys[i]);
            if (px < crossX)
                inside = !inside;
        }
    }
    return inside;
}

} // namespace

GObject::GObject(GObject* parent_, GCanvas* canvas_, uint32_t flags_)
    : flags(flags_), parent(parent_), canvas(canvas_) {}

GObject::~GObject() {
    DeleteChildren();
}

void GObject::Draw() {
    if (has(kHidden))
        return;
    if (canvas && canvas->dc) {
        canvas->dc->SetPen(pen);
        canvas->dc->SetBrush(brush);
    }
    DrawShape();
    for (GObject* child : children)
        child->Draw();
}

void GObject::GetBounds(GRect& out) const {
    GRect own;
    if (!points.empty()) {
        own = {points[0].x, points[0].y, points[0].x, points[0].y};
        for (const GPoint& p : points)
            own = own.united({p.x, p.y, p.x, p.y});
    }
    GRect result = own;
    for (const GObject* child : children) {
        GRect b;
        child->GetBounds(b);
        if (result.isNull())
            result = b;
        // An empty result (a single vertex, say) absorbs no further child.
        if (!result.isEmpty())
            result = b.united(result);
    }
    out = result;
}

GObject* GObject::HitTest(GHitInfo& hit) {
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if ((*it)->has(kNotHittable))
            continue;
        if (GObject* found = (*it)->HitTest(hit))
            return found;
    }
    const int32_t px = int32_t(hit.x), py = int32_t(hit.y);
    for (size_t i = 0; i < points.size(); ++i) {
        const GIntRect region{int32_t(points[i].x - 4), int32_t(points[i].y - 4),
                              int32_t(points[i].x + 4), int32_t(points[i].y + 4)};
        if (region.contains(px, py)) {
            hit.kind = 2;
            hit.index = int32_t(i);
            hit.object = this;
            return this;
        }
    }
    if (HitEdge(hit) || HitInterior(hit))
        return this;
    return nullptr;
}

GObject* GObject::HitEdge(GHitInfo& hit) {
    const int32_t px = int32_t(hit.x), py = int32_t(hit.y);
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const int32_t x1 = int32_t(points[i].x), y1 = int32_t(points[i].y);
        const int32_t x2 = int32_t(points[i + 1].x), y2 = int32_t(points[i + 1].y);
        const int32_t ax[4] = {x1 - 10, x1 + 10, x2 + 10, x2 - 10}, ay[4] = {y1, y1, y2, y2};
        const int32_t bx[4] = {x1, x1, x2, x2}, by[4] = {y1 + 10, y1 - 10, y2 - 10, y2 + 10};
        if (insidePolygon(ax, ay, px, py) || insidePolygon(bx, by, px, py)) {
            hit.kind = 3;
            hit.index = int32_t(i);
            hit.object = this;
            return this;
        }
    }
    return nullptr;
}

void GObject::Move(double dx, double dy) {
    if (has(kMoveXLocked))
        dx = 0;
    if (has(kMoveYLocked))
        dy = 0;
    for (GObject* child : children)
        child->Move(dx, dy);
    for (GPoint& p : points) {
        p.x += dx;
        p.y += dy;
    }
}

void GObject::MovePoint(size_t index, double dx, double dy) {
    if (index >= points.size())
        return;
    if (has(kPointXLocked))
        dx = 0;
    if (has(kPointYLocked))
        dy = 0;
    points[index].x += dx;
    points[index].y += dy;
}

void GObject::Rotate(GPoint c, double a) {
    if (has(kRotateLocked))
        return;
    const double cs = std::cos(a), sn = std::sin(a);
    for (GObject* child : children)
        child->Rotate(c, a);
    for (GPoint& p : points) {
        const double x = p.x - c.x, y = p.y - c.y;
        p = {x * cs - y * sn + c.x, x * sn + y * cs + c.y};
    }
    OnRotated(c, a);
}

void GObject::TopLeft(GPoint& out) const {
    if (points.empty())
        return;
    out = points[0];
    for (const GPoint& p : points)
        out = {std::min(out.x, p.x), std::min(out.y, p.y)};
}

double GObject::Width() const {
    return points.size() >= 3 ? std::fabs(points[2].x - points[0].x) : 0;
}
double GObject::Height() const {
    return points.size() >= 3 ? std::fabs(points[2].y - points[0].y) : 0;
}

GObject* GObject::Clone() const {
    GObject* copy = NewInstance();
    if (!copy)
        return nullptr;
    copy->canvas = canvas;
    copy->pen = pen;
    copy->brush = brush;
    copy->name = name;
    copy->points = points;
    return copy;
}

bool GObject::Place(const std::vector<GPoint>& newPoints, GObject* newParent) {
    points = newPoints;
    if (parent)
        parent->RemoveChild(this);
    parent = newParent;
    if (newParent)
        newParent->AddChild(this);
    return true;
}

void GObject::RemoveChild(GObject* child) {
    auto it = std::find(children.begin(), children.end(), child);
    if (it != children.end())
        children.erase(it);
}

void GObject::DeleteChildren() {
    std::vector<GObject*> owned;
    owned.swap(children);
    for (GObject* child : owned)
        delete child;
}

} // namespace oonedraw
