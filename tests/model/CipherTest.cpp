// Guards the project file cipher: wrong DES tables or key schedule, a wrong order of the three
// passes of two-key triple DES, decryption that is not the inverse, padding that depends on
// anything but the data, and files of a size that no encipherment can give.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "model/Des.h"
#include "model/ProjectCipher.h"
#include "tests/TestFolder.h"

using namespace zorv;

namespace {

std::vector<uint8_t> fromHex(const std::string& hex) {
    std::vector<uint8_t> out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(uint8_t(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

std::string toHex(std::span<const uint8_t> bytes) {
    std::string s;
    char b[3];
    for (uint8_t v : bytes) {
        std::snprintf(b, sizeof b, "%02x", v);
        s += b;
    }
    return s;
}

struct Vector {
    std::string cipher, key, plain, expected;
};

std::vector<Vector> knownAnswers() {
    std::ifstream in(std::string(ZORV_SOURCE_DIR) + "/tests/data/tdea-vectors.txt");
    std::vector<Vector> list;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        Vector v;
        fields >> v.cipher >> v.key >> v.plain >> v.expected;
        list.push_back(v);
    }
    return list;
}

} // namespace

TEST(Cipher, KnownAnswerVectors) {
    const auto vectors = knownAnswers();
    ASSERT_GE(vectors.size(), 9u);
    for (const Vector& v : vectors) {
        SCOPED_TRACE(v.cipher + " " + v.key + " " + v.plain);
        const auto key = fromHex(v.key);
        const auto plain = fromHex(v.plain);
        ASSERT_EQ(plain.size() % 8, 0u);
        std::vector<uint8_t> enc(plain.size()), dec(plain.size());
        for (std::size_t off = 0; off < plain.size(); off += 8) {
            auto in = std::span<const uint8_t>(plain).subspan(off).first<8>();
            auto out = std::span(enc).subspan(off).first<8>();
            if (v.cipher == "DES") {
                Des des(std::span<const uint8_t>(key).first<8>());
                des.encryptBlock(in, out);
                des.decryptBlock(out, std::span(dec).subspan(off).first<8>());
            } else {
                TripleDes2 tdea(std::span<const uint8_t>(key).first<16>());
                tdea.encryptBlock(in, out);
                tdea.decryptBlock(out, std::span(dec).subspan(off).first<8>());
            }
        }
        EXPECT_EQ(toHex(enc), v.expected);
        EXPECT_EQ(dec, plain);
    }
}

TEST(Cipher, EcbMatchesSingleBlocks) {
    std::mt19937 rng(7);
    std::array<uint8_t, 16> key;
    for (auto& b : key)
        b = uint8_t(rng());
    TripleDes2 tdea(key);
    std::vector<uint8_t> data(64);
    for (auto& b : data)
        b = uint8_t(rng());
    std::vector<uint8_t> ecb = data;
    tdea.encryptEcb(ecb);
    for (std::size_t off = 0; off < data.size(); off += 8) {
        std::array<uint8_t, 8> block;
        tdea.encryptBlock(std::span<const uint8_t>(data).subspan(off).first<8>(), block);
        EXPECT_TRUE(std::equal(block.begin(), block.end(), ecb.begin() + off));
    }
    tdea.decryptEcb(ecb);
    EXPECT_EQ(ecb, data);
}

// Two-key EDE against OpenSSL, when it is installed.
TEST(Cipher, AgreesWithOpenSsl) {
    if (std::system("openssl version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "openssl is not installed";
    std::mt19937 rng(2024);
    std::array<uint8_t, 16> key;
    for (auto& b : key)
        b = uint8_t(rng());
    std::vector<uint8_t> data(4096);
    for (auto& b : data)
        b = uint8_t(rng());
    const std::string dir = test::freshTestFolder("zorv_cipher_").string();
    const std::string in = dir + "/zorv_cipher_in.bin", out = dir + "/zorv_cipher_out.bin";
    std::ofstream(in, std::ios::binary)
        .write(reinterpret_cast<const char*>(data.data()), data.size());
    const std::string cmd = "openssl enc -des-ede-ecb -nopad -K " + toHex(key) + " -in " + in +
                            " -out " + out + " 2>/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::ifstream result(out, std::ios::binary);
    std::vector<uint8_t> theirs((std::istreambuf_iterator<char>(result)), {});
    TripleDes2 tdea(key);
    tdea.encryptEcb(data);
    EXPECT_EQ(theirs, data);
    std::remove(in.c_str());
    std::remove(out.c_str());
}

TEST(ProjectCipher, PadsOnlyTheLastChunkWithZeros) {
    std::vector<uint8_t> plain(286);
    for (std::size_t i = 0; i < plain.size(); ++i)
        plain[i] = uint8_t(i * 31);
    const auto file = encipherProject(plain);
    EXPECT_EQ(file.size(), 288u);
    EXPECT_EQ(encipherProject(plain), file); // one project always gives the same file
    std::vector<uint8_t> back;
    ASSERT_TRUE(decipherProject(file, back));
    ASSERT_EQ(back.size(), 288u);
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), back.begin()));
    EXPECT_EQ(back[286], 0);
    EXPECT_EQ(back[287], 0);

    // A stream longer than one chunk: chunks of 512 bytes are whole blocks.
    std::vector<uint8_t> longer(1500, 0xA5);
    EXPECT_EQ(encipherProject(longer).size(), 1504u);
    ASSERT_TRUE(decipherProject(encipherProject(longer), back));
    EXPECT_TRUE(std::equal(longer.begin(), longer.end(), back.begin()));
    EXPECT_TRUE(encipherProject({}).empty());
}

TEST(ProjectCipher, RefusesTornFiles) {
    std::vector<uint8_t> plain;
    EXPECT_FALSE(decipherProject(std::vector<uint8_t>(287), plain));
    EXPECT_FALSE(decipherProject(std::vector<uint8_t>(1), plain));
    EXPECT_TRUE(decipherProject(std::vector<uint8_t>(), plain));
}
