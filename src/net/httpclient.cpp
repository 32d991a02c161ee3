#include "net/httpclient.h"

#include "net/curlmulti.h"

HttpClient::HttpClient()
    : m_multi(std::make_shared<CurlMulti>())
{
}

HttpClient::~HttpClient() = default;

std::unique_ptr<HttpStream> HttpClient::open(const HttpRequest &request)
{
    return std::make_unique<HttpStream>(m_multi, request, m_authorities);
}
