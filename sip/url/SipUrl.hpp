#pragma once
// SipUrl: a "sip:" URL with user, password, host, port, the known parameters, every other
// parameter in order, headers and the lr flag.
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "sip/url/BaseUrl.hpp"

namespace vx {

class SipUrlParserException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SipUrl : public BaseUrl {
 public:
  using Param = std::pair<Data, Data>;

  SipUrl() = default;
  // Parses received text; never raises: a failure is logged and keeps what was read.
  explicit SipUrl(const Data& text);
  // Parses an address the user or the configuration supplied; raises SipUrlParserException
  // when it does not parse.
  explicit SipUrl(const std::string& text);

  // True when the scheme was read; what follows it never fails.
  bool decode(const Data& text);

  Data encode() const override;
  Sptr<BaseUser> getUser() const override { return user_; }
  Data getUserValue() const override { return user_ ? user_->encode() : Data(); }
  Data getNameAddr() const override;
  void setUser(Sptr<BaseUser> user) override { user_ = std::move(user); }
  void setUserValue(const Data& user, const Data& userParam) override;
  UrlType getType() const override { return SIP_URL; }
  bool isLooseRouterPresent() const override { return lr_; }
  Sptr<BaseUrl> duplicate() const override;
  bool areEqual(const BaseUrl& other) const override;

  const Data& getScheme() const { return scheme_; }
  void setScheme(const Data& v) { scheme_ = v; }
  const Data& getPasswd() const { return password_; }
  void setPasswd(const Data& v) { password_ = v; }
  const Data& getHost() const { return host_; }
  void setHost(const Data& v) { host_ = v; }
  const Data& getPort() const { return port_; }
  void setPort(const Data& v) { port_ = v; }
  const Data& getTransportParam() const { return transport_; }
  void setTransportParam(const Data& v) { transport_ = v; }
  const Data& getTtlParam() const { return ttl_; }
  void setTtlParam(const Data& v) { ttl_ = v; }
  const Data& getMaddrParam() const { return maddr_; }
  void setMaddrParam(const Data& v) { maddr_ = v; }
  const Data& getUserParam() const { return userParam_; }
  void setUserParam(const Data& v) { userParam_ = v; }
  const Data& getMethodParam() const { return method_; }
  void setMethodParam(const Data& v) { method_ = v; }
  const Data& getHeaders() const { return headers_; }
  void setHeaders(const Data& v) { headers_ = v; }
  void setLooseRouterPresent(bool lr) { lr_ = lr; }

  // Every unrecognised parameter in order of arrival; the single-value getters give the last.
  const std::vector<Param>& getOtherParams() const { return others_; }
  Data getOtherName() const { return others_.empty() ? Data() : others_.back().first; }
  Data getOtherValue() const { return others_.empty() ? Data() : others_.back().second; }
  void addOtherParam(const Data& name, const Data& value) { others_.emplace_back(name, value); }
  // Replaces the value of the last parameter of that name, or adds it.
  void setOtherParam(const Data& name, const Data& value);
  void clearOtherParams() { others_.clear(); }

 protected:
  bool isLessThanSameKind(const BaseUrl& other) const override;

 private:
  void parseHostPort(Data& rest);
  void parsePort(Data& rest);
  void parseParams(Data& rest, Data& userText, bool hasUser);

  Data scheme_;
  Sptr<BaseUser> user_;
  Data password_;
  Data host_;
  Data port_;
  Data transport_;
  Data ttl_;
  Data maddr_;
  Data userParam_;
  Data method_;
  std::vector<Param> others_;
  Data headers_;
  bool lr_ = false;
};

}  // namespace vx
