#pragma once
// The application frame: a multiple-document window that holds the playback
// windows and owns the refresh tick.

#include <QMainWindow>

class QMdiArea;

class frmPlayBackManager : public QMainWindow {
    Q_OBJECT
public:
    explicit frmPlayBackManager(QWidget* parent = nullptr);
    QMdiArea* mdiArea() const { return area; }

signals:
    // The operator closed the frame.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QMdiArea* area = nullptr;
};
