#pragma once
// Owning handles for the OpenSSL objects the library uses, so that every
// exception path frees them.

#include <openssl/bn.h>
#include <openssl/evp.h>

#include <memory>

struct TEvpMdCtxFree {
    void operator()(EVP_MD_CTX* Ctx) const { EVP_MD_CTX_free(Ctx); }
};
struct TEvpCipherCtxFree {
    void operator()(EVP_CIPHER_CTX* Ctx) const { EVP_CIPHER_CTX_free(Ctx); }
};
struct TBnFree {
    void operator()(BIGNUM* Number) const { BN_clear_free(Number); }
};
struct TBnCtxFree {
    void operator()(BN_CTX* Ctx) const { BN_CTX_free(Ctx); }
};

using TEvpMdCtx = std::unique_ptr<EVP_MD_CTX, TEvpMdCtxFree>;
using TEvpCipherCtx = std::unique_ptr<EVP_CIPHER_CTX, TEvpCipherCtxFree>;
using TBigNum = std::unique_ptr<BIGNUM, TBnFree>;
using TBnCtx = std::unique_ptr<BN_CTX, TBnCtxFree>;
