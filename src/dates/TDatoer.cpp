#include "dates/TDatoer.h"

#include "dates/DateTexts.h"
#include "dates/HolidayList.h"
#include "documents/EditorControl.h"
#include "platform/Clock.h"

#include <QWidget>

TDatoer::TDatoer(const Clock &clock, QObject *owner)
    : QObject(owner)
    , clock_(clock)
{ }

void TDatoer::SetEditor(EditorControl *editor)
{
    if (editor == FEditor)
        return;
    disconnect(editorGone_);
    FEditor = editor;
    if (editor) {
        // Windows destroyed without their close (at the program's end) must not leave a dangling target.
        editorGone_ = connect(editor->widget(), &QObject::destroyed, this, [this, editor] {
            if (FEditor == editor)
                FEditor = nullptr;
        });
    }
}

void TDatoer::releaseEditor(const EditorControl *editor)
{
    if (editor && editor == FEditor)
        SetEditor(nullptr);
}

bool TDatoer::canWrite() const
{
    return FEditor && !FEditor->isReadOnly();
}

QString TDatoer::getDato() const
{
    return DateTexts::getDato(clock_.now().date());
}

QString TDatoer::getDato2() const
{
    return DateTexts::getDato2(clock_.now().date());
}

QString TDatoer::getDato3() const
{
    return DateTexts::getDato3(clock_.now().date());
}

QString TDatoer::getKlokken() const
{
    return DateTexts::getKlokken(clock_.now().time());
}

void TDatoer::UdskrivTekst(const QString &S)
{
    if (!canWrite())
        return;
    FEditor->replaceSelection(S);
    FEditor->widget()->setFocus();
    FEditor->setModified(true);
}

bool TDatoer::udskrivHelligdage(int year)
{
    if (!HolidayList::hasList(year))
        return false;
    datoerListe_ = HolidayList::lines(year);
    if (!canWrite())
        return true;
    QString text;
    for (const QString &line : datoerListe_)
        text += line + u'\n';
    // One insertion, so one undo takes the whole list away again.
    FEditor->replaceSelection(text);
    FEditor->setModified(true);
    return true;
}
