#include "net/httpclient.h"

#include "net/curlmulti.h"

HttpClient::HttpClient() = default;

HttpClient::~HttpClient() = default;

std::unique_ptr<HttpStream> HttpClient::open(const HttpRequest &request)
{
    if (!m_multi)
        m_multi = std::make_shared<CurlMulti>();
    return std::make_unique<HttpStream>(m_multi, request, m_authorities);
}
