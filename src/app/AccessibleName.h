#pragma once

class QAbstractButton;
class QString;
class QToolBar;
class QWidget;

// The names a screen reader reads where a control's caption alone does not say enough. A name never
// breaks its line, and two controls of one place never share one.
namespace AccessibleName {

// A button that shows only a picture is read by its hint (the short part, of its command when it has one).
void fromHint(QAbstractButton *button);
// A control whose name another control of the same place has too, told apart by where it stands:
// "Arranger listen alfabetisk: Lukkede dokumenter".
void withPlace(QWidget *control, const QString &place);
// A caption two buttons of one place share, told apart by the hint: "Udfør: Sæt standard programstørrelse".
void captionWithHint(QAbstractButton *button);
// A label for a control that shows none, heard and not seen, and the same text as its own name. A
// drop-down needs both: on Linux a screen reader names it only by its label, its own name being the chosen
// entry; elsewhere its own name is read. An editable drop-down's text field takes the name as well.
void unseenLabel(QWidget *control, const QString &text);
// The button behind which a tool bar folds what does not fit.
void ofExtensionButton(QToolBar *bar);

} // namespace AccessibleName
