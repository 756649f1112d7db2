#pragma once

#include "app/DateService.h"

#include <QObject>
#include <QStringList>

class Clock;
class EditorControl;

// The date service: Danish date and clock texts of the local clock, and the holiday list of a year,
// written into the editor of the document window activated last. It has no widgets; the frame owns it.
class TDatoer : public QObject, public DateService {
    Q_OBJECT

public:
    TDatoer(const Clock &clock, QObject *owner);

    // DateService. The target is not owned; an editor that is destroyed stops being the target.
    void SetEditor(EditorControl *editor) override;
    void releaseEditor(const EditorControl *editor) override;
    EditorControl *Editor() const { return FEditor; }
    // Whether a text can go in now: there is a target, and it takes editing (not while a file streams in).
    bool canWrite() const;

    QString getDato() const;
    QString getDato2() const;
    QString getDato3() const;
    QString getKlokken() const;
    // S replaces the target's selection, the caret ends after it, the target gets the keyboard focus
    // and counts as changed. Nothing without a target that can be written.
    void UdskrivTekst(const QString &S);
    // Writes the year's holiday list in place of the target's selection and marks the document changed;
    // the focus stays where it is. False, with nothing written, for a year the list is not made for.
    bool udskrivHelligdage(int year);
    // The lines of the last list written.
    const QStringList &datoerListe() const { return datoerListe_; }

private:
    const Clock &clock_;
    EditorControl *FEditor = nullptr;
    QMetaObject::Connection editorGone_;
    QStringList datoerListe_;
};
