#pragma once
// The publisher's side of the signed container: makes a container that the
// Encrypt library's VerifyStream accepts, with one of the development private
// keys (DevelopmentKeys.h) whose public halves the library holds.
//
// Container: Head (4 bytes, not interpreted by the reader), the key index, the
// signature length 128, the signature least significant byte first, then the
// payload. The signed block is 0x00 0x01, 109 bytes 0xFF, 0x00 and the MD5
// digest of the payload in reverse byte order, raised to the private exponent.

#include <cstdint>
#include <vector>

// The whole container for Payload, signed with the private key of KeyIndex
// (1 to 10). Any other index raises Exception ("Invalid signature key
// requested").
std::vector<uint8_t> SignContainer(uint32_t KeyIndex, const std::vector<uint8_t>& Payload, uint32_t Head = 0);
