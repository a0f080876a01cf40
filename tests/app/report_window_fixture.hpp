#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "support/model_fixtures.hpp"

namespace kestrova::test_support {

// The first bytes of a file ("%PDF-" for a PDF document).
inline QByteArray FileStart(const QString& path, int count) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.read(count);
}

}  // namespace kestrova::test_support
