// Speed of the library's exports beside the raw OpenSSL primitive each one
// rests on, timed alternately in the same loop. Each benchmark reports the
// ratio that the library is held to:
//   GetStreamHash of 1 MiB:   throughput ratio to EVP MD5, at least 0.8
//   DecryptStream of 1 MiB:   throughput ratio to EVP AES-256 16-byte block
//                             calls, at least 0.3
//   VerifyStream of 64 KiB:   time ratio to MD5 of 64 KiB plus one RSA-1024
//                             public operation, at most 1.3

#include "DevelopmentKeys.h"
#include "Encrypt.h"
#include "MemoryStream.h"
#include "Signer.h"

#include <openssl/bn.h>
#include <openssl/evp.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

namespace {

// The machine running the benchmarks is often busy with builds; the time of
// this thread on the processor is steadier than the wall clock.
double Now()
{
#if defined(CLOCK_THREAD_CPUTIME_ID)
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
#else
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
#endif
}

std::vector<uint8_t> Bytes(size_t Count)
{
    std::vector<uint8_t> bytes(Count);
    uint32_t state = 12345;
    for (uint8_t& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<uint8_t>(state >> 24);
    }
    return bytes;
}

double Seconds(double Start)
{
    return Now() - Start;
}

void Report(benchmark::State& State, double Ours, double Raw, const char* RatioName, double Ratio, int64_t Bytes)
{
    State.counters["ours_us"] = 1e6 * Ours / static_cast<double>(State.iterations());
    State.counters["openssl_us"] = 1e6 * Raw / static_cast<double>(State.iterations());
    State.counters[RatioName] = Ratio;
    State.SetBytesProcessed(State.iterations() * Bytes);
}

void GetStreamHashVsEvpMd5(benchmark::State& State)
{
    const std::vector<uint8_t> data = Bytes(1 << 20);
    TMemoryStream stream(data);
    uint8_t digest[16];
    double ours = 0;
    double raw = 0;
    for (auto _ : State) {
        double start = Now();
        GetStreamHash(1, stream, digest);
        benchmark::DoNotOptimize(digest);
        ours += Seconds(start);

        start = Now();
        unsigned int length = 0;
        EVP_Digest(data.data(), data.size(), digest, &length, EVP_md5(), nullptr);
        benchmark::DoNotOptimize(digest);
        raw += Seconds(start);
    }
    Report(State, ours, raw, "throughput_ratio", raw / ours, static_cast<int64_t>(data.size()));
}

void DecryptStreamVsEvpBlocks(benchmark::State& State)
{
    const std::vector<uint8_t> key = Bytes(32);
    TMemoryStream plain(Bytes(1 << 20));
    TMemoryStream cipher;
    EncryptStream(plain, cipher, key.data());
    const std::vector<uint8_t> enciphered = cipher.Memory();
    std::vector<uint8_t> out(enciphered.size());
    TMemoryStream dest;
    double ours = 0;
    double raw = 0;
    for (auto _ : State) {
        dest.Clear();
        double start = Now();
        cipher.SetPosition(0);
        DecryptStream(cipher, dest, key.data());
        benchmark::DoNotOptimize(dest.Memory().data());
        ours += Seconds(start);

        start = Now();
        EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
        EVP_DecryptInit_ex(ctx, EVP_aes_256_ecb(), nullptr, key.data(), nullptr);
        EVP_CIPHER_CTX_set_padding(ctx, 0);
        int length = 0;
        for (size_t offset = 0; offset < enciphered.size(); offset += 16) {
            EVP_DecryptUpdate(ctx, out.data() + offset, &length, enciphered.data() + offset, 16);
        }
        EVP_CIPHER_CTX_free(ctx);
        benchmark::DoNotOptimize(out.data());
        raw += Seconds(start);
    }
    Report(State, ours, raw, "throughput_ratio", raw / ours, static_cast<int64_t>(enciphered.size()));
}

void VerifyStreamVsMd5AndRsa(benchmark::State& State)
{
    const std::vector<uint8_t> payload = Bytes(64 << 10);
    const std::vector<uint8_t> container = SignContainer(1, payload);
    TMemoryStream source(container);
    TMemoryStream dest;

    const TDevelopmentKey* key = DevelopmentKey(1);
    BIGNUM* modulus = nullptr;
    BN_hex2bn(&modulus, key->ModulusHex);
    BIGNUM* exponent = BN_new();
    BN_set_word(exponent, key->PublicExponent);
    BIGNUM* signature = BN_lebin2bn(container.data() + 12, 128, nullptr);
    BIGNUM* result = BN_new();
    BN_CTX* ctx = BN_CTX_new();
    uint8_t digest[16];

    double ours = 0;
    double raw = 0;
    for (auto _ : State) {
        dest.Clear();
        double start = Now();
        source.SetPosition(0);
        const bool holds = VerifyStream(source, dest);
        benchmark::DoNotOptimize(holds);
        ours += Seconds(start);
        if (!holds) {
            State.SkipWithError("the container does not verify");
            break;
        }

        start = Now();
        unsigned int length = 0;
        EVP_Digest(payload.data(), payload.size(), digest, &length, EVP_md5(), nullptr);
        BN_mod_exp(result, signature, exponent, modulus, ctx);
        benchmark::DoNotOptimize(digest);
        benchmark::DoNotOptimize(result);
        raw += Seconds(start);
    }
    BN_CTX_free(ctx);
    BN_free(result);
    BN_free(signature);
    BN_free(exponent);
    BN_free(modulus);
    Report(State, ours, raw, "time_ratio", ours / raw, static_cast<int64_t>(payload.size()));
}

}  // namespace

BENCHMARK(GetStreamHashVsEvpMd5)->Unit(benchmark::kMicrosecond);
BENCHMARK(DecryptStreamVsEvpBlocks)->Unit(benchmark::kMicrosecond);
BENCHMARK(VerifyStreamVsMd5AndRsa)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
