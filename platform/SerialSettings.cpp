#include "platform/SerialPort.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

namespace zorv {

bool parseSerialSettings(const std::string& text, SerialSettings& out) {
    std::vector<std::string> fields;
    std::stringstream in(text);
    for (std::string f; std::getline(in, f, ',');)
        fields.push_back(f);
    if (fields.size() != 4 || fields[1].size() != 1)
        return false;
    char* end = nullptr;
    const long baud = std::strtol(fields[0].c_str(), &end, 10);
    if (fields[0].empty() || *end != '\0' || baud <= 0)
        return false;
    const char parity = char(std::tolower(static_cast<unsigned char>(fields[1][0])));
    if (parity != 'n' && parity != 'e' && parity != 'o')
        return false;
    if (fields[2].size() != 1 || fields[2][0] < '5' || fields[2][0] > '8')
        return false;
    if (fields[3] != "1" && fields[3] != "2")
        return false;
    out = SerialSettings{int(baud), parity, fields[2][0] - '0', fields[3][0] - '0'};
    return true;
}

} // namespace zorv
