#pragma once
// What must hold after every action of a learner, whatever the learner did: one usable window,
// counters that make sense, answer fields that hold only what their filters let through.

#include <QString>
#include <QWidget>
#include <vector>

namespace kalkora::learner {

// Starts following which windows a modal window blocks, as the toolkit tells each window (call
// once, before the program starts).
void FollowModalBlocking();

// The visible windows a learner can see (no menus, tooltips or other popups).
std::vector<QWidget*> VisibleWindows();

// The windows a learner can work in now: the visible windows that no modal window blocks.
std::vector<QWidget*> UsableWindows();

// The one usable window, or null when there is none or more than one.
QWidget* UsableWindow();

// The first invariant that is broken, described for the learner's report; empty when all hold.
QString BrokenInvariant();

}  // namespace kalkora::learner
