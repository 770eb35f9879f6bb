// Form posts over HTTPS to a loopback server with a certificate made for the test.
#include "tests/support/TestCatalogue.h"

#include "exchange/FormDataRequest.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <cstdio>
#include <memory>
#include <thread>

using namespace tolvane;
using namespace tolvane::test;

namespace {

struct KeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct CertificateFree {
    void operator()(X509* certificate) const { X509_free(certificate); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyFree>;
using Certificate = std::unique_ptr<X509, CertificateFree>;

// A self-signed certificate for the given name and IP address, valid for a day.
Certificate makeCertificate(EVP_PKEY* key, const std::string& name, const std::string& ip) {
    Certificate certificate(X509_new());
    X509_set_version(certificate.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(certificate.get()), 1);
    X509_gmtime_adj(X509_getm_notBefore(certificate.get()), -3600);
    X509_gmtime_adj(X509_getm_notAfter(certificate.get()), 24 * 3600);
    X509_set_pubkey(certificate.get(), key);
    X509_NAME* subject = X509_get_subject_name(certificate.get());
    X509_NAME_add_entry_by_txt(subject, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>(name.c_str()), -1, -1, 0);
    X509_set_issuer_name(certificate.get(), subject);
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, certificate.get(), certificate.get(), nullptr, nullptr, 0);
    for (std::string value : {"IP:" + ip, std::string("critical,CA:TRUE")}) {
        int nid = value.starts_with("IP:") ? NID_subject_alt_name : NID_basic_constraints;
        X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value.c_str());
        X509_add_ext(certificate.get(), extension, -1);
        X509_EXTENSION_free(extension);
    }
    X509_sign(certificate.get(), key, EVP_sha256());
    return certificate;
}

void writePem(const std::string& path, X509* certificate) {
    FILE* file = std::fopen(path.c_str(), "w");
    ASSERT_NE(file, nullptr);
    PEM_write_X509(file, certificate);
    std::fclose(file);
}

class HttpsTest : public ::testing::Test {
protected:
    void SetUp() override {
        key.reset(EVP_EC_gen("P-256"));
        ASSERT_TRUE(key);
        certificate = makeCertificate(key.get(), "127.0.0.1", "127.0.0.1");
        writePem(trusted, certificate.get());
        Key otherKey(EVP_EC_gen("P-256"));
        writePem(stranger, makeCertificate(otherKey.get(), "127.0.0.1", "127.0.0.1").get());

        server = std::make_unique<httplib::SSLServer>(certificate.get(), key.get());
        ASSERT_TRUE(server->is_valid());
        server->Post("/echo", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content("secure " + req.body, "text/plain");
        });
        port = server->bind_to_any_port("127.0.0.1");
        ASSERT_GT(port, 0);
        thread = std::thread([this] { server->listen_after_bind(); });
    }
    void TearDown() override {
        if (server) server->stop();
        if (thread.joinable()) thread.join();
    }
    // A post to the server by that name, trusting those authorities (the system's when none).
    std::shared_ptr<FormDataRequest> post(const std::string& host, const std::string& trusting) {
        auto request = FormDataRequest::requestWithURL("https://" + host + ":" +
                                                       std::to_string(port) + "/echo");
        request->setPostValue("1", "pageNo");
        request->setTimeOutSeconds(10);
        if (!trusting.empty()) request->setCertificateAuthorities(trusting);
        request->startSynchronous();
        return request;
    }

    TempDir dir;
    std::string trusted = dir.file("server.pem");
    std::string stranger = dir.file("stranger.pem");
    Key key;
    Certificate certificate;
    std::unique_ptr<httplib::SSLServer> server;
    std::thread thread;
    int port = 0;
};

} // namespace

TEST_F(HttpsTest, PostsToAServerWithAVerifiedCertificateAndRefusesAnyOther) {
    auto verified = post("127.0.0.1", trusted);
    ASSERT_FALSE(verified->failed()) << verified->error();
    EXPECT_EQ(verified->responseString(), "secure pageNo=1");

    // Self-signed and not among the system's authorities; certified by someone else; the right
    // certificate, but for another name than the one asked for.
    const std::pair<std::string, std::string> refused[] = {
        {"127.0.0.1", ""}, {"127.0.0.1", stranger}, {"localhost", trusted}};
    for (const auto& [host, trusting] : refused) {
        auto request = post(host, trusting);
        EXPECT_TRUE(request->failed() && request->responseString().empty()) << host << trusting;
    }
}
