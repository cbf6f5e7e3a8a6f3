#include "support/ui/formScrolling.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextEdit>
#include <QWidget>

namespace {
constexpr int twips = 15;

clsScrolling::Kind kindOf(const QWidget* w) {
    if (qobject_cast<const QLabel*>(w)) return clsScrolling::Kind::Label;
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
        qobject_cast<const QPlainTextEdit*>(w))
        return clsScrolling::Kind::TextBox;
    if (qobject_cast<const QAbstractSpinBox*>(w)) return clsScrolling::Kind::UpDown;
    return clsScrolling::Kind::Other;
}
// A moved control keeps its exact place in twips, so moves of a part of a
// pixel add up; a control placed anew in pixels starts from there.
int32_t inTwips(const QWidget* w, const char* property, int pixels) {
    const QVariant kept = w->property(property);
    if (kept.isValid() && qRound(kept.toInt() / double(twips)) == pixels) return kept.toInt();
    return pixels * twips;
}
} // namespace

formScrolling::formScrolling(QWidget& w, QScrollBar& vBar, QScrollBar& hBar) : window(w), v(vBar), h(hBar) {
    QObject::connect(&v, &QScrollBar::valueChanged, &window, [this] { pScrollFormSpecial(); });
    QObject::connect(&h, &QScrollBar::valueChanged, &window, [this] { pScrollFormSpecial(); });
}

std::vector<QWidget*> formScrolling::children() const {
    std::vector<QWidget*> out;
    for (QObject* o : window.children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow()) out.push_back(w);
    return out;
}

std::vector<clsScrolling::Control> formScrolling::controls() const {
    std::vector<clsScrolling::Control> out;
    for (const QWidget* w : children()) {
        clsScrolling::Control c;
        c.left = inTwips(w, "twipsLeft", w->x());
        c.top = inTwips(w, "twipsTop", w->y());
        c.width = w->width() * twips;
        c.height = w->height() * twips;
        c.visible = !w->isHidden();
        c.tag = w->property("tag").toString();
        c.kind = kindOf(w);
        out.push_back(c);
    }
    return out;
}

void formScrolling::apply(const std::vector<clsScrolling::Control>& moved) {
    const std::vector<QWidget*> widgets = children();
    for (size_t i = 0; i < widgets.size() && i < moved.size(); ++i) {
        widgets[i]->setProperty("twipsLeft", moved[i].left);
        widgets[i]->setProperty("twipsTop", moved[i].top);
        widgets[i]->move(qRound(moved[i].left / double(twips)), qRound(moved[i].top / double(twips)));
    }
}

clsScrolling::Bar formScrolling::bar(const QScrollBar& b) const {
    clsScrolling::Bar out;
    out.left = b.x() * twips;
    out.width = b.width() * twips;
    out.height = b.height() * twips;
    out.visible = !b.isHidden();
    out.enabled = b.isEnabled();
    out.min = int16_t(b.minimum());
    out.max = int16_t(b.maximum());
    out.value = int16_t(b.value());
    out.smallChange = int16_t(b.singleStep());
    out.largeChange = int16_t(b.pageStep());
    return out;
}

void formScrolling::initializeMe() { scrolling.initializeMe(controls()); }

void formScrolling::formResize() {
    clsScrolling::Bar vb = bar(v), hb = bar(h);
    const QRect frame = window.frameGeometry();
    const clsScrolling::Window w{frame.width() * twips, frame.height() * twips, window.width() * twips,
                                 window.height() * twips};
    scrolling.formResize(w, vb, hb);
    const QSignalBlocker blockV(&v), blockH(&h);
    v.move(vb.left / twips, v.y());
    v.resize(v.width(), std::max(0, vb.height / twips));
    v.setVisible(vb.visible);
    v.setRange(vb.min, std::max(vb.min, vb.max));
    v.setSingleStep(vb.smallChange);
    v.setPageStep(std::max<int>(1, vb.largeChange));
    h.resize(std::max(0, hb.width / twips), h.height());
    h.setEnabled(hb.enabled);
    h.setRange(hb.min, std::max(hb.min, hb.max));
    h.setSingleStep(hb.smallChange);
    h.setPageStep(std::max<int>(1, hb.largeChange));
}

void formScrolling::pScrollForm() {
    std::vector<clsScrolling::Control> c = controls();
    scrolling.pScrollForm(c, bar(v), bar(h));
    apply(c);
}

void formScrolling::pScrollFormSpecial() {
    std::vector<clsScrolling::Control> c = controls();
    scrolling.pScrollFormSpecial(c, bar(v), bar(h));
    apply(c);
}
