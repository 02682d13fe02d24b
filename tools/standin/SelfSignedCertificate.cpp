#include "standin/SelfSignedCertificate.hpp"

#include <arpa/inet.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "standin/ServiceHosts.hpp"

namespace zolsolutions::standin {

namespace {

constexpr long kValidBeforeNowSeconds = 60L * 60;
constexpr long kValidAfterNowSeconds = 7L * 24 * 60 * 60;

void check(bool succeeded, const char* what) {
    if (!succeeded) {
        throw std::runtime_error(std::string("could not make the certificate: ") + what);
    }
}

bool isIpLiteral(const std::string& host) {
    unsigned char address[sizeof(in6_addr)];
    return inet_pton(AF_INET, host.c_str(), address) == 1 ||
           inet_pton(AF_INET6, host.c_str(), address) == 1;
}

bool isDnsName(const std::string& host) {
    // Letters, digits, dots and hyphens only: anything else could bend the extension text below.
    return !host.empty() && std::all_of(host.begin(), host.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '.' || c == '-';
    });
}

std::string subjectAltNames(const std::vector<std::string>& hosts) {
    std::string names;
    for (const std::string& host : hosts) {
        const bool ip = isIpLiteral(host);
        if (!ip && !isDnsName(host)) {
            throw std::invalid_argument("not a host name or IP address: \"" + host + "\"");
        }
        names += (names.empty() ? "" : ",") + std::string(ip ? "IP:" : "DNS:") + host;
    }
    return names;
}

void addExtension(X509* certificate, int nid, const std::string& value) {
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, certificate, certificate, nullptr, nullptr, 0);
    X509ExtensionHandle extension(X509V3_EXT_conf_nid(nullptr, &context, nid, value.c_str()));
    check(extension != nullptr, "extension");
    check(X509_add_ext(certificate, extension.get(), -1) == 1, "adding an extension");
}

void setRandomSerial(X509* certificate) {
    BigNumberHandle serial(BN_new());
    check(serial && BN_rand(serial.get(), 63, BN_RAND_TOP_ANY, BN_RAND_BOTTOM_ANY) == 1,
          "serial number");
    check(BN_to_ASN1_INTEGER(serial.get(), X509_get_serialNumber(certificate)) != nullptr,
          "serial number");
}

std::string toPem(X509* certificate) {
    BioHandle memory(BIO_new(BIO_s_mem()));
    check(memory && PEM_write_bio_X509(memory.get(), certificate) == 1, "PEM");
    char* bytes = nullptr;
    const long length = BIO_get_mem_data(memory.get(), &bytes);
    return std::string(bytes, static_cast<std::size_t>(length));
}

std::string writeTemporaryFile(const std::string& contents) {
    std::string path = (std::filesystem::temp_directory_path() / "zol-standin-ca-XXXXXX.pem");
    const int descriptor = mkstemps(path.data(), 4);
    check(descriptor >= 0, "creating the CA file");
    std::size_t written = 0;
    while (written < contents.size()) {
        const ssize_t step =
            write(descriptor, contents.data() + written, contents.size() - written);
        if (step <= 0) {
            close(descriptor);
            std::remove(path.c_str());
            check(false, "writing the CA file");
        }
        written += static_cast<std::size_t>(step);
    }
    close(descriptor);
    return path;
}

}  // namespace

std::vector<std::string> SelfSignedCertificate::defaultHosts() {
    return {std::string(kAnalyticsHost), std::string(kDocumentDatabaseHost), "localhost",
            "127.0.0.1"};
}

SelfSignedCertificate::SelfSignedCertificate(const std::vector<std::string>& hosts) {
    if (hosts.empty()) {
        throw std::invalid_argument("a certificate needs at least one host");
    }
    const std::string altNames = subjectAltNames(hosts);
    // P-256: fast to make, and every TLS client takes it.
    key_.reset(EVP_EC_gen("P-256"));
    check(key_ != nullptr, "key");
    certificate_.reset(X509_new());
    X509* certificate = certificate_.get();
    check(certificate != nullptr, "certificate");
    check(X509_set_version(certificate, X509_VERSION_3) == 1, "version");
    setRandomSerial(certificate);
    check(X509_gmtime_adj(X509_getm_notBefore(certificate), -kValidBeforeNowSeconds) != nullptr,
          "validity");
    check(X509_gmtime_adj(X509_getm_notAfter(certificate), kValidAfterNowSeconds) != nullptr,
          "validity");
    check(X509_set_pubkey(certificate, key_.get()) == 1, "public key");
    X509_NAME* name = X509_get_subject_name(certificate);
    const std::string commonName = hosts.front();
    check(X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                     reinterpret_cast<const unsigned char*>(commonName.c_str()), -1,
                                     -1, 0) == 1,
          "subject");
    check(X509_set_issuer_name(certificate, name) == 1, "issuer");
    // Its own CA, so that trusting the certificate's file is trusting the certificate.
    addExtension(certificate, NID_basic_constraints, "critical,CA:TRUE");
    addExtension(certificate, NID_key_usage, "critical,digitalSignature,keyCertSign");
    addExtension(certificate, NID_ext_key_usage, "serverAuth");
    addExtension(certificate, NID_subject_key_identifier, "hash");
    addExtension(certificate, NID_subject_alt_name, altNames);
    check(X509_sign(certificate, key_.get(), EVP_sha256()) > 0, "signature");
    pem_ = toPem(certificate);
    caFile_ = writeTemporaryFile(pem_);
}

SelfSignedCertificate::~SelfSignedCertificate() {
    std::remove(caFile_.c_str());
}

}  // namespace zolsolutions::standin
