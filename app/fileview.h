// One preview tile of a score file: a miniature of its first page above the
// file's name. A press on the tile emits sigClicked with the file's path and
// is passed on to the parent as well.
//
// The score built for the picture lives only while the picture is painted.
// Owns its form.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace Ui {
class FileView;
}

class FileView : public QWidget
{
    Q_OBJECT

public:
    explicit FileView(QWidget *parent = nullptr);
    ~FileView() override;

    // Pixels of the picture per scene unit of the page (0.1 until set).
    void setScale(double scale);
    // Stores `path`, loads and draws the score file there and shows its
    // first page (both pages of a two-page sheet) and its base name. A file
    // that cannot be read or loaded (reported by the loader) gives the
    // picture of an empty page.
    void setFile(const QString &path);

    QString filePath() const { return m_filePath; }
    const QPixmap &pixmap() const { return m_pixmap; }

signals:
    void sigClicked(const QString &path);
    void sigDoubleClicked(const QString &path);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    Ui::FileView *ui;
    QString m_filePath;
    double m_scale = 0.1;
    QPixmap m_pixmap;
};
