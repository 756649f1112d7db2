#pragma once

#include <QString>

// The four information lines about a document as the frame's "Fil" page shows them, and which case of
// the document's naming they describe, so a window can word a case its own way.
struct FileInformation {
    enum class Naming {
        File, // the name names an existing file
        Vanished, // named, but the file is gone (deleted or renamed)
        Unnamed,
        Loading, // the file is still coming in
    };

    Naming naming = Naming::Unnamed;
    QString name;
    QString size;
    QString lines;
    QString saved;
};
