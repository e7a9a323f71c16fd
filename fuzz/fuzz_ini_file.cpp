// Arbitrary bytes as an INI file: parse, look up, write back, serialize.
// Aborts when a file does not serialize back byte for byte, when a written
// value does not read back, or when a write disturbs any other key.

#include "IniDocument.h"

#include <QList>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>

using namespace corvex;

namespace {

using Probe = std::pair<QByteArray, QByteArray>; // section, key

// Section and key names as they appear in the input, for lookups.
QList<Probe> probesFrom(const QByteArray &bytes)
{
    QList<Probe> probes{{"Reagents", "R001"}, {"Program", "Name"}};
    QByteArray section;
    for (QByteArray line : bytes.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('[')) {
            section = line.mid(1, line.indexOf(']') < 0 ? -1 : line.indexOf(']') - 1).trimmed();
        } else if (line.contains('=') && probes.size() < 40) {
            probes.append({section, line.left(line.indexOf('=')).trimmed()});
        }
    }
    return probes;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    IniDocument document = IniDocument::parse(bytes);
    check(document.serialize() == bytes);

    const QList<Probe> probes = probesFrom(bytes);
    QList<std::optional<QByteArray>> before;
    for (const Probe &probe : probes)
        before.append(document.value(probe.first, probe.second));

    // Write one of the names found (or a fixed one) with a value cut from the input.
    const Probe &target = probes.at(qsizetype(size % std::size_t(probes.size())));
    const QByteArray section = IniDocument::isUsableSectionName(target.first) ? target.first : QByteArray("Added");
    const QByteArray key = IniDocument::isUsableKeyName(target.second) ? target.second : QByteArray("Key");
    const QByteArray value = bytes.left(300);
    document.setValue(section, key, value);
    check(document.value(section, key) == IniDocument::valueAsRead(value));

    const IniDocument reread = IniDocument::parse(document.serialize());
    check(reread.value(section, key) == IniDocument::valueAsRead(value));
    for (qsizetype i = 0; i < probes.size(); ++i) {
        const bool written = probes[i].first.toLower() == section.toLower() && probes[i].second.toLower() == key.toLower();
        if (!written) {
            check(document.value(probes[i].first, probes[i].second) == before[i]);
            check(reread.value(probes[i].first, probes[i].second) == before[i]);
        }
    }
    return 0;
}
