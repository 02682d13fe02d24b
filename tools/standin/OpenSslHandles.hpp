#pragma once
// Owning holders for the OpenSSL objects the stand-in makes; nothing is freed by hand.

#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <memory>

namespace zolsolutions::standin {

template <auto Free>
struct OpenSslDeleter {
    template <typename T>
    void operator()(T* object) const noexcept {
        Free(object);
    }
};

using X509Handle = std::unique_ptr<X509, OpenSslDeleter<X509_free>>;
using PrivateKeyHandle = std::unique_ptr<EVP_PKEY, OpenSslDeleter<EVP_PKEY_free>>;
using BioHandle = std::unique_ptr<BIO, OpenSslDeleter<BIO_free_all>>;
using X509ExtensionHandle = std::unique_ptr<X509_EXTENSION, OpenSslDeleter<X509_EXTENSION_free>>;
using BigNumberHandle = std::unique_ptr<BIGNUM, OpenSslDeleter<BN_free>>;
using SslHandle = std::unique_ptr<SSL, OpenSslDeleter<SSL_free>>;

}  // namespace zolsolutions::standin
