#!/usr/bin/env python3
"""Makes the ten 1024-bit RSA development keys of the signed containers.

Runs offline with the OpenSSL command-line program. Writes
  encrypt/EncKeyTable.cpp          the public halves in their stored encoding
  tools/publisher/DevelopmentKeys.cpp  modulus and private exponent per index

The stored encoding is tag-length-value: a SEQUENCE (0x30) of two INTEGERs
(0x02), modulus then public exponent, each content least significant byte
first, with a 0x00 in front exactly when the least significant byte is above
128. The encoding lengths per index are fixed (LENGTHS below); the exponent and
that leading 0x00 decide them, so keys are drawn until each one fits.

    tools/keys/make_keys.py [REPOSITORY]
"""
import os
import re
import subprocess
import sys
import tempfile

# Encoding length for key indices 1 to 10.
LENGTHS = [139, 139, 138, 139, 138, 139, 140, 140, 138, 140]
# Length -> (public exponent, leading 0x00 wanted). No key has a tiny public
# exponent such as 3: with one, a signature over a chosen digest can be found
# from the public key alone by anyone who can get a loosely checked block past
# the verifier. 257 is a prime whose two-byte encoding keeps the length 138.
SHAPES = {139: (65537, False), 140: (65537, True), 138: (257, False)}


def der_length(n):
    if n < 128:
        return bytes([n])
    body = n.to_bytes((n.bit_length() + 7) // 8, "big")
    return bytes([0x80 | len(body)]) + body


def integer_content(value):
    body = value.to_bytes((value.bit_length() + 7) // 8 or 1, "little")
    if body[0] > 128:
        body = b"\x00" + body
    return body


def encode(n, e):
    inner = b""
    for value in (n, e):
        content = integer_content(value)
        inner += b"\x02" + der_length(len(content)) + content
    return b"\x30" + der_length(len(inner)) + inner


def generate(exponent, folder):
    path = os.path.join(folder, "key.pem")
    subprocess.run(["openssl", "genpkey", "-algorithm", "RSA", "-pkeyopt", "rsa_keygen_bits:1024",
                    "-pkeyopt", "rsa_keygen_pubexp:%d" % exponent, "-out", path],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    text = subprocess.run(["openssl", "rsa", "-in", path, "-noout", "-text"], check=True,
                          capture_output=True, text=True).stdout
    os.remove(path)

    def field(name):
        match = re.search(r"^%s:\s*\n((?:\s+[0-9a-f:]+\n)+)" % name, text, re.M)
        return int(re.sub(r"[\s:]", "", match.group(1)), 16)

    n = field("modulus")
    d = field("privateExponent")
    e = int(re.search(r"^publicExponent: (\d+)", text, re.M).group(1))
    assert e == exponent and n.bit_length() == 1024
    return n, e, d


def c_bytes(data, indent):
    lines = []
    for start in range(0, len(data), 16):
        lines.append(indent + ", ".join("0x%02x" % b for b in data[start:start + 16]) + ",")
    return "\n".join(lines)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
    keys = []
    with tempfile.TemporaryDirectory() as folder:
        for index, length in enumerate(LENGTHS, start=1):
            exponent, zero = SHAPES[length]
            while True:
                n, e, d = generate(exponent, folder)
                if ((n & 0xFF) > 128) == zero:
                    break
            encoding = encode(n, e)
            assert len(encoding) == length, (index, len(encoding))
            assert e >= 257
            assert pow(pow(12345, d, n), e, n) == 12345
            keys.append((n, e, d, encoding))
            print("key %d: %d bytes" % (index, len(encoding)))

    table = ["// Made by tools/keys/make_keys.py; do not edit by hand.",
             "// The public halves of the ten development keys in their stored encoding.",
             "", '#include "EncKeyTable.h"', "", "namespace {", "",
             "// The rows are the generator's; the formatter leaves them alone.",
             "// clang-format off"]
    for index, (_, _, _, encoding) in enumerate(keys, start=1):
        table.append("const uint8_t Key%d[] = {" % index)
        table.append(c_bytes(encoding, "    "))
        table.append("};")
        table.append("")
    table.append("const TEncKeyEncoding Keys[EncKeyCount] = {")
    for index in range(1, 11):
        table.append("    {Key%d, sizeof(Key%d)}," % (index, index))
    table += ["};", "// clang-format on", "", "}  // namespace", "",
              "TEncKeyEncoding EncKeyEncoding(uint32_t KeyIndex)",
              "{",
              "    if (KeyIndex < 1 || KeyIndex > EncKeyCount) {",
              "        return {nullptr, 0};",
              "    }",
              "    return Keys[KeyIndex - 1];",
              "}", ""]
    with open(os.path.join(root, "encrypt", "EncKeyTable.cpp"), "w") as out:
        out.write("\n".join(table))

    private = ["// Made by tools/keys/make_keys.py; do not edit by hand.",
               "// The development keys' moduli and private exponents, most significant",
               "// hexadecimal digit first. They sign the bundled and the test issues only.",
               "", '#include "DevelopmentKeys.h"', "", "namespace {", "",
               "// The rows are the generator's; the formatter leaves them alone.",
               "// clang-format off",
               "const TDevelopmentKey Keys[10] = {"]
    for n, e, d, _ in keys:
        private.append('    {"%x",' % n)
        private.append('     "%x",' % d)
        private.append("     %d}," % e)
    private += ["};", "// clang-format on", "", "}  // namespace", "",
                "const TDevelopmentKey* DevelopmentKey(uint32_t KeyIndex)",
                "{",
                "    if (KeyIndex < 1 || KeyIndex > 10) {",
                "        return nullptr;",
                "    }",
                "    return &Keys[KeyIndex - 1];",
                "}", ""]
    with open(os.path.join(root, "tools", "publisher", "DevelopmentKeys.cpp"), "w") as out:
        out.write("\n".join(private))


if __name__ == "__main__":
    main()
