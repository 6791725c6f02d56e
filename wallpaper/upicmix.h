#pragma once

#include <QImage>
#include <QWidget>

namespace Ui {
class TMixPicFrm;
}

// A picture holder of a form: keeps a picture as pixels and shows it scaled to fit when shown.
class TPicHolder : public QWidget
{
    Q_OBJECT

public:
    explicit TPicHolder(QWidget *parent = nullptr);

    QImage &picture() { return m_picture; }
    void setPicture(const QImage &picture);
    // Loads a picture file; throws TovakiError when it cannot be read.
    void loadFromFile(const QString &path);
    void clear();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};

// The composition form: holds the two pictures of a blend and its result; never shown.
class TMixPicFrm : public QWidget
{
    Q_OBJECT

public:
    explicit TMixPicFrm(QWidget *parent = nullptr);
    ~TMixPicFrm() override;

    TPicHolder *img1() const;   // the content picture
    TPicHolder *img2() const;   // the background picture
    TPicHolder *imgmix() const; // a copy of the last blend

    // Placement of the next blend: centred, or at the right with a 50-pixel margin.
    bool CenterMix = false;

    // Blends content over background (or background over content when the background is not
    // taller). Both are converted to 32 bits per pixel in place; the base is changed in place and
    // returned.
    QImage MixPic(QImage &content, QImage &background, int rowOffset, int percentage);

public slots:
    // Releases the pictures of img1 and img2.
    void JvXPButton1Click();

private:
    Ui::TMixPicFrm *ui;
};
