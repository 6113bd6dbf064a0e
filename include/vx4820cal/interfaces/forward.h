#pragma once
// Forward declarations of the host's interfaces and the reference type of each.
#include <memory>

namespace vx4820cal {
class Itier;
class Iterminator;
class IcalParamOwner;
class IcalParameters;
class IcolProvInfo;
class ItierSchema;
class ItierUserInterface;
class IproviderOwner;
class ItierValidator;
class Imessenger;
class Ivalidator;
class Iprovider;
class Ifield;
class IprovInfo;
class Ienumerator;
class IlateBound;
class XArrayDBObject;
class Collection;
}  // namespace vx4820cal
