#pragma once

#include <QString>
#include <QStringList>

// The main window's state that the other windows read and write. It lives apart from the main window
// so that windows below it in the creation order need not know it.
struct FrameFields {
    // True from the main window's creation until the start-up work of its first show is done.
    bool opstart = true;
    // True while the program closes its documents on the way out.
    bool programClosing = false;

    // Who runs the program and where its files live; settled in the main window's creation.
    QString Brugernavn;
    QString OptMappe; // settings folder
    QString programmappe; // files installed with the program, with a closing separator
    QString infoDir; // help pages
    QString extListeFilename;
    QString optFilnavn; // Main.txt
    QString dokumentfil; // Dokumentfil.txt

    QStringList extListe; // the text file type list, three lines per type
    unsigned menuBogHeight = 108;
    int filtypeBoksHeight = 0;
    unsigned standardWidth = 0;
    unsigned standardHeight = 0;

    // Hand-over to a document window being created: written by the opening service right before it
    // creates the window, copied by the window in its creation, overwritten by the next request.
    QString docFilnavn;
    QString docExt;
    int newCount = 0;
    // The window being created gets its text from a recovery copy, so it does not read its file.
    bool docRecovering = false;

    // State of the active document window.
    bool docModified = false;
    QString dokumentFilnavn;

    int ncNumber = 0; // notification counter

    // Where the frame's open dialog starts; the document box sets it to the folder it last showed.
    QString openDialogFolder;
};
