#include "documents/find/OccurrenceWalk.h"

#include "documents/find/TextFinder.h"

#include <QString>

#include <algorithm>

namespace OccurrenceWalk {

namespace {

// How far the whole-word test looks past either end of an occurrence: one character, which may take two
// UTF-16 units.
constexpr qsizetype kReach = 2;

// The last kReach units of `head` followed by `tail`.
QString lastUnits(QStringView head, QStringView tail)
{
    if (tail.size() >= kReach)
        return tail.last(kReach).toString();
    return (head.toString() + tail.toString()).right(kReach);
}

// The first kReach units of `head` followed by `tail`.
QString firstUnits(QStringView head, QStringView tail)
{
    if (head.size() >= kReach)
        return head.first(kReach).toString();
    return (head.toString() + tail.toString()).left(kReach);
}

// The first occurrence starting at or after `resume` in the text as it now stands: the original text
// from `resume` on, with `before` (the last units of what now stands before `resume`) in front of it.
// Only an occurrence starting within kReach of `resume` can see `before`; it is looked for in a copy of
// that neighbourhood, every later one in the original text.
qsizetype nextForward(QStringView text, const TextFinder &finder, qsizetype resume, const QString &before)
{
    if (resume > text.size())
        return -1;
    const qsizetype length = finder.needleLength();
    const qsizetype nearLength = std::min(kReach - 1 + length + kReach, text.size() - resume);
    const QString near = before + text.sliced(resume, nearLength).toString();
    const qsizetype inNear = finder.findForward(near, before.size(), before.size() + kReach - 1 + length);
    if (inNear >= 0)
        return resume + inNear - before.size();
    return finder.findForward(text, resume + kReach);
}

// The rightmost occurrence ending at or before `bound` in the text as it now stands: the original text up
// to `bound`, with `after` (the first units of what now stands from `bound` on) behind it. Only an
// occurrence ending within kReach of `bound` can see `after`.
qsizetype nextBackward(QStringView text, const TextFinder &finder, qsizetype bound, const QString &after)
{
    const qsizetype length = finder.needleLength();
    const qsizetype firstNearStart = std::max<qsizetype>(0, bound - length - (kReach - 1));
    const qsizetype nearStart = std::max<qsizetype>(0, firstNearStart - kReach);
    const QString near = text.sliced(nearStart, bound - nearStart).toString() + after;
    const qsizetype inNear = finder.findBackward(near, firstNearStart - nearStart, bound - nearStart);
    if (inNear >= 0)
        return nearStart + inNear;
    const qsizetype end = bound - kReach;
    return end >= length ? finder.findBackward(text, 0, end) : -1;
}

} // namespace

Found find(QStringView text, const TextFinder &finder, qsizetype selectionStart, qsizetype selectionEnd,
    Direction direction, bool all)
{
    Found found;
    const qsizetype length = finder.needleLength();
    if (length == 0)
        return found;
    const bool forward = direction == Direction::Forward;
    qsizetype position = std::clamp<qsizetype>(forward ? selectionEnd : selectionStart, 0, text.size());
    for (;;) {
        const qsizetype at
            = forward ? finder.findForward(text, position) : finder.findBackward(text, 0, position);
        if (at < 0)
            break;
        ++found.count;
        found.last = at;
        position = forward ? at + length : at;
        if (!all)
            break;
    }
    return found;
}

QList<qsizetype> replace(QStringView text, const TextFinder &finder, QStringView replacement,
    qsizetype selectionStart, qsizetype selectionEnd, Direction direction, bool all)
{
    QList<qsizetype> replaced;
    const qsizetype length = finder.needleLength();
    if (length == 0)
        return replaced;
    if (direction == Direction::Forward) {
        qsizetype resume = std::clamp<qsizetype>(selectionEnd, 0, text.size());
        QString before = lastUnits({}, text.first(resume));
        for (;;) {
            const qsizetype at = nextForward(text, finder, resume, before);
            if (at < 0)
                break;
            replaced.append(at);
            before = lastUnits(lastUnits(before, text.sliced(resume, at - resume)), replacement);
            resume = at + length;
            if (!all)
                break;
        }
        return replaced;
    }
    qsizetype bound = std::clamp<qsizetype>(selectionStart, 0, text.size());
    QString after = firstUnits(text.sliced(bound), {});
    for (;;) {
        const qsizetype at = nextBackward(text, finder, bound, after);
        if (at < 0)
            break;
        replaced.append(at);
        after = firstUnits(replacement, firstUnits(text.sliced(at + length, bound - at - length), after));
        bound = at;
        if (!all)
            break;
    }
    return replaced;
}

} // namespace OccurrenceWalk
