#pragma once

#include <QString>
#include <QStringView>

// A file type's mask such as "*.txt", matched against a file's name the way a Windows wildcard is: "*"
// stands for any run of characters, "?" for one, letters compare without regard to case, and "*.*"
// takes every name, with or without a dot. The one rule decides both which files are counted and which
// are searched, so the two numbers never disagree.
class FileMask {
public:
    explicit FileMask(QString mask);

    const QString &mask() const { return mask_; }
    bool matches(QStringView fileName) const;

private:
    QString mask_;
    bool everyName_;
};
