#include "Ed25519.h"

#include <openssl/evp.h>
#include <openssl/pem.h>

#include <stdexcept>

namespace installer {

namespace {

using DigestContext = std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)>;

DigestContext newDigestContext()
{
    return DigestContext(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
}

const unsigned char *bytes(const QByteArray &data)
{
    return reinterpret_cast<const unsigned char *>(data.constData());
}

} // namespace

void Ed25519PrivateKey::Free::operator()(evp_pkey_st *key) const
{
    EVP_PKEY_free(key);
}

Ed25519PrivateKey::Ed25519PrivateKey(evp_pkey_st *key)
    : m_key(key, Free{})
{
    if (!key)
        throw std::runtime_error("no Ed25519 key");
}

Ed25519PrivateKey Ed25519PrivateKey::generate()
{
    return Ed25519PrivateKey(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"));
}

Ed25519PrivateKey Ed25519PrivateKey::fromPemFile(const QString &path)
{
    FILE *file = std::fopen(path.toLocal8Bit().constData(), "rb");
    if (!file)
        throw std::runtime_error("cannot open the signing key " + path.toStdString());
    EVP_PKEY *key = PEM_read_PrivateKey(file, nullptr, nullptr, nullptr);
    std::fclose(file);
    if (!key || EVP_PKEY_get_id(key) != EVP_PKEY_ED25519) {
        EVP_PKEY_free(key);
        throw std::runtime_error("the signing key " + path.toStdString() + " is no Ed25519 private key");
    }
    return Ed25519PrivateKey(key);
}

QByteArray Ed25519PrivateKey::sign(const QByteArray &message) const
{
    DigestContext context = newDigestContext();
    QByteArray signature(64, Qt::Uninitialized);
    size_t length = size_t(signature.size());
    if (!context || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, m_key.get()) != 1
        || EVP_DigestSign(context.get(), reinterpret_cast<unsigned char *>(signature.data()), &length, bytes(message), size_t(message.size())) != 1)
        throw std::runtime_error("Ed25519 signing failed");
    signature.truncate(qsizetype(length));
    return signature;
}

QByteArray Ed25519PrivateKey::publicKey() const
{
    QByteArray key(32, Qt::Uninitialized);
    size_t length = size_t(key.size());
    if (EVP_PKEY_get_raw_public_key(m_key.get(), reinterpret_cast<unsigned char *>(key.data()), &length) != 1)
        throw std::runtime_error("the Ed25519 public key cannot be read");
    key.truncate(qsizetype(length));
    return key;
}

bool verifyEd25519(const QByteArray &publicKey, const QByteArray &message, const QByteArray &signature)
{
    if (publicKey.size() != 32 || signature.size() != 64)
        return false;
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, bytes(publicKey), size_t(publicKey.size())), &EVP_PKEY_free);
    DigestContext context = newDigestContext();
    return key && context && EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) == 1
        && EVP_DigestVerify(context.get(), bytes(signature), size_t(signature.size()), bytes(message), size_t(message.size())) == 1;
}

} // namespace installer
