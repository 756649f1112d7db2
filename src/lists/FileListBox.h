#pragma once

#include <QListWidget>

// A list box of a file list: one caption per row, rows 19 pixels high, single selection. It tells apart
// a row the user selects (by mouse or keyboard) from one the program selects, which stays silent.
class FileListBox : public QListWidget {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 19;

    explicit FileListBox(QWidget *parent = nullptr);

    // The selected row, -1 for none.
    int selectedRow() const;
    // Selects the row (-1 for none) without reporting it as the user's choice.
    void selectRowQuietly(int row);

Q_SIGNALS:
    void rowSelected();
    void rowDoubleClicked();
    // Enter or Space on the list.
    void confirmKeyPressed();
    void mouseEntered();
    void mouseLeft();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool quiet_ = false;
};
