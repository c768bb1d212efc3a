#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

struct evp_pkey_st;

namespace installer {

// An Ed25519 private key (OpenSSL 3). Signing keys live outside the repository; tests and
// throw-away builds generate their own.
class Ed25519PrivateKey
{
public:
    static Ed25519PrivateKey generate();
    // A PEM file as `openssl genpkey -algorithm ed25519` writes it; throws std::runtime_error.
    static Ed25519PrivateKey fromPemFile(const QString &path);

    QByteArray sign(const QByteArray &message) const;
    // The raw 32-byte public key.
    QByteArray publicKey() const;

private:
    struct Free {
        void operator()(evp_pkey_st *key) const;
    };
    explicit Ed25519PrivateKey(evp_pkey_st *key);
    std::shared_ptr<evp_pkey_st> m_key;
};

// True when signature is a valid Ed25519 signature of message under the raw 32-byte public key.
bool verifyEd25519(const QByteArray &publicKey, const QByteArray &message, const QByteArray &signature);

} // namespace installer
