#include "app/meter/MeterWorker.h"

namespace zorv {

void MeterWorker::compute(quint64 generation, const QByteArray& projectStream) {
    if (generation != latest_.load())
        return;
    const auto* bytes = reinterpret_cast<const uint8_t*>(projectStream.constData());
    const CompileStats stats =
        compileStats(std::span<const uint8_t>(bytes, std::size_t(projectStream.size())), paths_);
    if (generation == latest_.load())
        emit computed(generation, stats);
}

} // namespace zorv
