// The crypto subcommands of tavrel-issue: md5, encrypt, decrypt, sign and
// verify. Each goes through the Encrypt library's exports (sign through the
// publisher's signer), so they exercise the library as the game uses it.
// Output files are written only once the whole result is in hand.

#include "CommandTable.h"

#include "Encrypt.h"
#include "Exception.h"
#include "FileStream.h"
#include "SafeFile.h"
#include "Format.h"
#include "MemoryStream.h"
#include "Signer.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::vector<uint8_t> ReadFile(const std::string& FileName)
{
    TFileStream file(FileName, TFileMode::fmOpenRead);
    std::vector<uint8_t> bytes(static_cast<size_t>(file.GetSize()));
    file.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    return bytes;
}

void WriteFile(const std::string& FileName, const std::vector<uint8_t>& Bytes)
{
    WriteFileWhole(FileName, Bytes.data(), Bytes.size());
}

int HexDigit(char Digit)
{
    if (Digit >= '0' && Digit <= '9') {
        return Digit - '0';
    }
    if (Digit >= 'a' && Digit <= 'f') {
        return Digit - 'a' + 10;
    }
    if (Digit >= 'A' && Digit <= 'F') {
        return Digit - 'A' + 10;
    }
    return -1;
}

// A 32-byte key written as 64 hexadecimal digits.
std::vector<uint8_t> ParseKey(const std::string& Hex)
{
    if (Hex.size() != 64) {
        throw Exception("The key must be 64 hexadecimal digits");
    }
    std::vector<uint8_t> key(32);
    for (size_t i = 0; i < key.size(); ++i) {
        const int high = HexDigit(Hex[2 * i]);
        const int low = HexDigit(Hex[2 * i + 1]);
        if (high < 0 || low < 0) {
            throw Exception("The key must be 64 hexadecimal digits");
        }
        key[i] = static_cast<uint8_t>(high * 16 + low);
    }
    return key;
}

int RunMd5(const std::vector<std::string>& Args)
{
    if (Args.size() != 1) {
        throw EUsage();
    }
    TFileStream file(Args[0], TFileMode::fmOpenRead);
    uint8_t digest[16];
    GetStreamHash(1, file, digest);
    for (const uint8_t byte : digest) {
        std::printf("%02x", byte);
    }
    std::printf("\n");
    return 0;
}

int RunCipher(const std::vector<std::string>& Args, bool Encrypt)
{
    if (Args.size() != 3) {
        throw EUsage();
    }
    const std::vector<uint8_t> key = ParseKey(Args[0]);
    TFileStream source(Args[1], TFileMode::fmOpenRead);
    TMemoryStream dest;
    if (Encrypt) {
        EncryptStream(source, dest, key.data());
    } else {
        DecryptStream(source, dest, key.data());
    }
    WriteFile(Args[2], dest.Memory());
    return 0;
}

int RunEncrypt(const std::vector<std::string>& Args)
{
    return RunCipher(Args, true);
}

int RunDecrypt(const std::vector<std::string>& Args)
{
    return RunCipher(Args, false);
}

int RunSign(const std::vector<std::string>& Args)
{
    if (Args.size() != 3) {
        throw EUsage();
    }
    char* end = nullptr;
    const unsigned long index = std::strtoul(Args[0].c_str(), &end, 10);
    if (Args[0].empty() || *end != '\0' || index < 1 || index > 10) {
        throw Exception(Format("Invalid key index %s (1 to 10)", Args[0].c_str()));
    }
    WriteFile(Args[2], SignContainer(static_cast<uint32_t>(index), ReadFile(Args[1])));
    return 0;
}

int RunVerify(const std::vector<std::string>& Args)
{
    if (Args.size() != 2) {
        throw EUsage();
    }
    TFileStream source(Args[0], TFileMode::fmOpenRead);
    TMemoryStream payload;
    if (!VerifyStream(source, payload)) {
        std::fprintf(stderr, "tavrel-issue verify: the signature of %s does not hold\n", Args[0].c_str());
        return 1;
    }
    WriteFile(Args[1], payload.Memory());
    return 0;
}

const TCommandRegistration Md5Command({"md5", "FILE", RunMd5});
const TCommandRegistration EncryptCommand({"encrypt", "KEYHEX IN OUT", RunEncrypt});
const TCommandRegistration DecryptCommand({"decrypt", "KEYHEX IN OUT", RunDecrypt});
const TCommandRegistration SignCommand({"sign", "INDEX IN OUT", RunSign});
const TCommandRegistration VerifyCommand({"verify", "IN OUT", RunVerify});

}  // namespace
