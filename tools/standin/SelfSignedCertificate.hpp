#pragma once
// A throwaway TLS certificate made in memory: its own issuer, so the PEM file of the certificate
// is the whole CA bundle a client needs in order to trust it.

#include <openssl/evp.h>
#include <openssl/x509.h>

#include <string>
#include <vector>

#include "standin/OpenSslHandles.hpp"

namespace zolsolutions::standin {

class SelfSignedCertificate {
  public:
    /// Both service hosts, "localhost" and 127.0.0.1.
    static std::vector<std::string> defaultHosts();

    /// Covers `hosts`, each a DNS name or an IP literal, the first also being the common name.
    /// Writes the certificate to a fresh file in the temporary directory. Throws
    /// std::invalid_argument for an empty list or a host that is neither, std::runtime_error when
    /// OpenSSL or the file system fails.
    explicit SelfSignedCertificate(const std::vector<std::string>& hosts = defaultHosts());
    /// Removes the file.
    ~SelfSignedCertificate();
    SelfSignedCertificate(const SelfSignedCertificate&) = delete;
    SelfSignedCertificate& operator=(const SelfSignedCertificate&) = delete;

    const std::string& pem() const noexcept { return pem_; }
    /// The path of the PEM file: the CA bundle to trust.
    const std::string& caFile() const noexcept { return caFile_; }
    /// Owned by this object; a TLS server takes its own references.
    X509* certificate() const noexcept { return certificate_.get(); }
    EVP_PKEY* privateKey() const noexcept { return key_.get(); }

  private:
    PrivateKeyHandle key_;
    X509Handle certificate_;
    std::string pem_;
    std::string caFile_;
};

}  // namespace zolsolutions::standin
