#pragma once

#include <QComboBox>

// The drive list: the file-system root and every mounted volume, removable media included.
// The drive is the root path of the chosen volume. Colours are 0x00BBGGRR integers.
class DriveList : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString drive READ drive WRITE setDrive NOTIFY change)
    Q_PROPERTY(quint32 forecolor READ foreColor WRITE setForeColor)
    Q_PROPERTY(quint32 backcolor READ backColor WRITE setBackColor)

public:
    explicit DriveList(QWidget *parent = nullptr);

    QString drive() const;
    // Chooses the volume that holds a path. A path that does not exist (a vanished volume)
    // emits readError(), keeps the drive and returns false.
    bool setDrive(const QString &path);
    // Reads the mounted volumes again, keeping the drive when it is still there.
    void refresh();
    // The drive (or path) whose choice failed last, for a retry; "" after a success.
    QString failedDrive() const { return m_failed; }

    quint32 foreColor() const { return m_fore; }
    void setForeColor(quint32 colour);
    quint32 backColor() const { return m_back; }
    void setBackColor(quint32 colour);

signals:
    void change();
    void readError(const QString &systemMessage);
    void helpRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int indexOfVolume(const QString &path) const;
    bool choose(int index);

    QString m_failed;
    int m_chosen = -1;
    quint32 m_fore = 0x000000;
    quint32 m_back = 0xFFFFFF;
};
