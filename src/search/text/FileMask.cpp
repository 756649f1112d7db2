#include "search/text/FileMask.h"

namespace {

bool sameLetter(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

// Greedy matching with one point to return to: the last "*" and where its run would end next. Linear
// for masks with a single "*", which is every mask of the type list.
bool wildcardMatch(QStringView mask, QStringView name)
{
    qsizetype m = 0;
    qsizetype n = 0;
    qsizetype starAt = -1;
    qsizetype resumeAt = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == u'*') {
            starAt = m++;
            resumeAt = n;
        } else if (m < mask.size() && (mask[m] == u'?' || sameLetter(mask[m], name[n]))) {
            ++m;
            ++n;
        } else if (starAt >= 0) {
            m = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}

} // namespace

FileMask::FileMask(QString mask)
    : mask_(std::move(mask))
    , everyName_(mask_ == u"*.*" || mask_ == u"*")
{ }

bool FileMask::matches(QStringView fileName) const
{
    return everyName_ || wildcardMatch(mask_, fileName);
}
