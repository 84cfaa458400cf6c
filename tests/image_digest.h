#pragma once
// A short digest of a series of pictures: format, size and every pixel byte, alpha included,
// so that pictures recorded once can be compared after the drawing code changes.

#include <QByteArrayView>
#include <QCryptographicHash>
#include <QImage>
#include <string>

class TImageDigest {
public:
    void add(const QImage& image)
    {
        const int header[] = {image.format(), image.width(), image.height()};
        FHash.addData(QByteArrayView(reinterpret_cast<const char*>(header), sizeof header));
        // The padding at the end of a row is not part of the picture.
        const qsizetype rowBytes = qsizetype(image.width()) * image.depth() / 8;
        for (int y = 0; y < image.height(); ++y)
            FHash.addData(QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes));
    }

    // 16 hex digits.
    std::string hex() const { return FHash.result().toHex().left(16).toStdString(); }

private:
    QCryptographicHash FHash{QCryptographicHash::Sha1};
};
