#include "common/AtomicFile.h"

#include <QSaveFile>

namespace harvelux {

bool writeFileWholeOrNothing(const std::string& path, std::string_view data, std::string& error) {
    QSaveFile file(QString::fromStdString(path));
    const auto fail = [&] {
        error = "Could not write " + path + ": " + file.errorString().toStdString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly)) return fail();
    const auto size = static_cast<qint64>(data.size());
    if (file.write(data.data(), size) != size) return fail();
    if (!file.commit()) {
        error = "Could not write " + path + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}

}  // namespace harvelux
