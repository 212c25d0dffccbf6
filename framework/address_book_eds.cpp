// The desktop's address book through Evolution Data Server (libebook). All of the
// framework's use of it is here, and this source includes no Qt header: GLib's D-Bus
// headers have a struct field named `signals`, which Qt's keyword macro rewrites. The
// headers give the functions' types; the functions themselves are looked up in the
// library at run time.
#include "framework/address_book_eds.h"

#include <dlfcn.h>
#include <libebook/libebook.h>
#include <strings.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>

namespace fw::internal {

const char kAddressBookLibrary[] = VELQORA_ADDRESS_BOOK_LIBRARY;

namespace {

// Every function of the library and its GLib stack that is called here.
#define VELQORA_EDS_FUNCTIONS(F)                                                                          \
  F(g_object_unref) F(g_error_free) F(g_free) F(g_get_user_runtime_dir)                                   \
  F(g_list_free_full) F(g_slist_free_full) F(g_slist_prepend) F(g_slist_reverse)                          \
  F(g_settings_schema_source_get_default) F(g_settings_schema_source_lookup) F(g_settings_schema_unref)   \
  F(g_bus_get_sync) F(g_dbus_connection_set_exit_on_close)                                                \
  F(e_source_registry_new_sync) F(e_source_registry_list_sources)                                         \
  F(e_source_registry_ref_builtin_address_book)                                                           \
  F(e_book_client_connect_sync) F(e_book_client_get_contacts_sync) F(e_book_client_get_contacts_uids_sync) \
  F(e_book_client_add_contacts_sync) F(e_book_client_remove_contacts_sync)                                \
  F(e_book_query_any_field_contains) F(e_book_query_to_string) F(e_book_query_unref)                      \
  F(e_contact_new_from_vcard) F(e_vcard_get_attributes) F(e_vcard_get_attribute)                          \
  F(e_vcard_attribute_get_name) F(e_vcard_attribute_get_values) F(e_vcard_attribute_get_param)            \
  F(e_vcard_attribute_has_type)

// The library, loaded for the rest of the process (GLib's types cannot be unloaded).
class Eds {
 public:
  explicit Eds(const char* library) {
    void* handle = ::dlopen(library, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      problem_ = "Evolution Data Server's address book library is not installed (" + String(::dlerror()) + ")";
      return;
    }
#define VELQORA_LOOK_UP(name)                                       \
  name = reinterpret_cast<decltype(name)>(::dlsym(handle, #name));  \
  if (!name) problem_ = "Evolution Data Server's address book library lacks " #name;
    VELQORA_EDS_FUNCTIONS(VELQORA_LOOK_UP)
#undef VELQORA_LOOK_UP
  }
  // Why the library cannot be used; "" when it can.
  const String& Problem() const { return problem_; }

#define VELQORA_DECLARE(name) decltype(&::name) name = nullptr;
  VELQORA_EDS_FUNCTIONS(VELQORA_DECLARE)
#undef VELQORA_DECLARE

 private:
  String problem_;
};

// e_book_client_connect_sync's wait for the backend to come online. Any wait above 0
// lasts its full length when the thread's GLib main context is not running (as here),
// and 0 waits for ever; the largest value means "do not wait".
constexpr guint32 kDoNotWaitForOnline = G_MAXUINT32;

// The schema the client itself reads; without it GLib aborts the process instead of
// answering an error.
constexpr char kClientSchema[] = "org.gnome.Evolution.DefaultSources";

// A GObject reference, given up at the end of its scope.
template <class T>
class Ref {
 public:
  Ref(const Eds& e, T* object) : e_(e), object_(object) {}
  Ref(Ref&& other) noexcept : e_(other.e_), object_(std::exchange(other.object_, nullptr)) {}
  ~Ref() {
    if (object_) e_.g_object_unref(object_);
  }
  Ref(const Ref&) = delete;
  Ref& operator=(const Ref&) = delete;
  T* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  const Eds& e_;
  T* object_;
};

String Because(const Eds& e, const char* what, GError* error) {
  String reason = what;
  if (error) {
    reason += String(" (") + error->message + ")";
    e.g_error_free(error);
  }
  return reason;
}

bool ClientSchemaInstalled(const Eds& e) {
  GSettingsSchemaSource* source = e.g_settings_schema_source_get_default();
  GSettingsSchema* schema = source ? e.g_settings_schema_source_lookup(source, kClientSchema, TRUE) : nullptr;
  if (schema) e.g_settings_schema_unref(schema);
  return schema != nullptr;
}

// Where GLib looks for the session bus before it would start one of its own through
// dbus-launch, a bus that would outlive the program.
bool SessionBusExists(const Eds& e) {
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address && *address) return true;
  return ::access((String(e.g_get_user_runtime_dir()) + "/bus").c_str(), F_OK) == 0;
}

// The default book, opened; or the reason it is not.
struct OpenedBook {
  Ref<EBookClient> client;
  String error;
};

OpenedBook OpenDefaultBook(const Eds& e) {
  const auto unavailable = [&e](String reason) { return OpenedBook{Ref<EBookClient>(e, nullptr), std::move(reason)}; };
  if (!e.Problem().empty()) return unavailable(e.Problem());
  if (!ClientSchemaInstalled(e))
    return unavailable("Evolution Data Server is not installed (its settings schema " + String(kClientSchema) +
                       " is missing)");
  if (!SessionBusExists(e))
    return unavailable("no desktop session bus is running (DBUS_SESSION_BUS_ADDRESS is not set and there is no "
                       "bus in the user's runtime folder)");
  GError* error = nullptr;
  Ref<GDBusConnection> bus(e, e.g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error));
  if (!bus) return unavailable(Because(e, "no desktop session bus is running", error));
  // By default the loss of the session bus would end the whole process.
  e.g_dbus_connection_set_exit_on_close(bus.get(), FALSE);
  Ref<ESourceRegistry> registry(e, e.e_source_registry_new_sync(nullptr, &error));
  if (!registry) return unavailable(Because(e, "Evolution Data Server did not start", error));
  // Without the service the registry still opens, empty.
  GList* sources = e.e_source_registry_list_sources(registry.get(), nullptr);
  const bool running = sources != nullptr;
  e.g_list_free_full(sources, e.g_object_unref);
  if (!running)
    return unavailable("Evolution Data Server is not installed or did not start (it lists no address books)");
  Ref<ESource> source(e, e.e_source_registry_ref_builtin_address_book(registry.get()));
  if (!source) return unavailable("Evolution Data Server has no default address book");
  EClient* client = e.e_book_client_connect_sync(source.get(), kDoNotWaitForOnline, nullptr, &error);
  if (!client) return unavailable(Because(e, "the address book did not open", error));
  return {Ref<EBookClient>(e, reinterpret_cast<EBookClient*>(client)), ""};
}

// The query that every person matches.
String AnyPerson(const Eds& e) {
  EBookQuery* query = e.e_book_query_any_field_contains("");
  gchar* text = e.e_book_query_to_string(query);
  e.e_book_query_unref(query);
  String result = text;
  e.g_free(text);
  return result;
}

// --- One person from their vCard --------------------------------------------------

String PartOf(const Eds& e, EVCardAttribute* attribute, guint part) {
  GList* value = e.e_vcard_attribute_get_values(attribute);
  for (; value && part > 0; --part) value = value->next;
  return value && value->data ? static_cast<const char*>(value->data) : "";
}

// A one-value property whole: a card written without escaping its semicolons reads
// back as several parts.
String WholeValueOf(const Eds& e, EVCardAttribute* attribute) {
  String value;
  for (GList* part = e.e_vcard_attribute_get_values(attribute); part; part = part->next) {
    if (part->prev) value += ";";
    if (part->data) value += static_cast<const char*>(part->data);
  }
  return value;
}

String ParameterOf(const Eds& e, EVCardAttribute* attribute, const char* name) {
  GList* values = e.e_vcard_attribute_get_param(attribute, name);
  return values ? static_cast<const char*>(values->data) : "";
}

// The card's properties of this name, in the card's order.
std::vector<EVCardAttribute*> PropertiesNamed(const Eds& e, EVCard* card, const char* name) {
  std::vector<EVCardAttribute*> found;
  for (GList* a = e.e_vcard_get_attributes(card); a; a = a->next) {
    auto* attribute = static_cast<EVCardAttribute*>(a->data);
    if (::strcasecmp(e.e_vcard_attribute_get_name(attribute), name) == 0) found.push_back(attribute);
  }
  return found;
}

AddressBookData ValuesNamed(const Eds& e, EVCard* card, const char* name) {
  std::vector<String> values;
  for (EVCardAttribute* a : PropertiesNamed(e, card, name)) values.push_back(WholeValueOf(e, a));
  return AddressBookData(std::move(values));
}

AddressBookData FirstValueNamed(const Eds& e, EVCard* card, const char* name) {
  const std::vector<EVCardAttribute*> found = PropertiesNamed(e, card, name);
  return found.empty() ? AddressBookData() : AddressBookData(WholeValueOf(e, found.front()));
}

// ADR's parts: post office box, extended address, street, locality, region, postal
// code, country.
AddressBookData AddressesOf(const Eds& e, EVCard* card) {
  std::vector<AddressBookAddress> addresses;
  for (EVCardAttribute* a : PropertiesNamed(e, card, EVC_ADR))
    addresses.push_back({PartOf(e, a, 2), PartOf(e, a, 5), PartOf(e, a, 3), PartOf(e, a, 4), PartOf(e, a, 6),
                         ParameterOf(e, a, "CC")});
  return AddressBookData(std::move(addresses));
}

PhoneKind KindOf(const Eds& e, EVCardAttribute* tel) {
  if (e.e_vcard_attribute_has_type(tel, "CELL")) return PhoneKind::Mobile;
  if (e.e_vcard_attribute_has_type(tel, "FAX")) return PhoneKind::Fax;
  if (e.e_vcard_attribute_has_type(tel, "VOICE")) return PhoneKind::Phone;
  return PhoneKind::Unstated;
}

AddressBookData PhonesOf(const Eds& e, EVCard* card) {
  std::vector<String> numbers;
  std::vector<PhoneKind> kinds;
  for (EVCardAttribute* a : PropertiesNamed(e, card, EVC_TEL)) {
    numbers.push_back(WholeValueOf(e, a));
    kinds.push_back(KindOf(e, a));
  }
  return AddressBookData(std::move(numbers), std::move(kinds));
}

AddressBookContact PersonOf(const Eds& e, EVCard* card) {
  AddressBookContact person;
  if (EVCardAttribute* n = e.e_vcard_get_attribute(card, EVC_N)) {
    person.LastName = AddressBookData(PartOf(e, n, 0));
    person.FirstName = AddressBookData(PartOf(e, n, 1));
    person.MiddleName = AddressBookData(PartOf(e, n, 2));
  }
  if (EVCardAttribute* org = e.e_vcard_get_attribute(card, EVC_ORG))
    person.CompanyName = AddressBookData(PartOf(e, org, 0));
  person.Note = FirstValueNamed(e, card, EVC_NOTE);
  person.Addresses = AddressesOf(e, card);
  person.PhoneNumbers = PhonesOf(e, card);
  person.EmailAddresses = ValuesNamed(e, card, EVC_EMAIL);
  person.Homepage = ValuesNamed(e, card, EVC_URL);
  return person;
}

// --- Tests' access --------------------------------------------------------------

// Only scripts/private-session.sh names its fresh folder in this variable, and makes
// HOME the "home" inside it; a user's own session has neither.
constexpr char kPrivateSessionVariable[] = "VELQORA_PRIVATE_SESSION";

// GLib's temporary folder: TMPDIR, else /tmp.
String TemporaryFolder() {
  const char* tmpdir = std::getenv("TMPDIR");
  return tmpdir && *tmpdir ? tmpdir : "/tmp";
}

String RefusalOutsidePrivateSession() {
  const char* session = std::getenv(kPrivateSessionVariable);
  const char* home = std::getenv("HOME");
  const String temporary = TemporaryFolder() + "/";
  if (!session || !*session) return "refused: " + String(kPrivateSessionVariable) + " is not set";
  if (String(session).rfind(temporary, 0) != 0) return "refused: the private session is not inside " + temporary;
  if (!home || String(home) != String(session) + "/home") return "refused: HOME is not the private session's";
  return "";
}

}  // namespace

AddressBook ReadDefaultBook(const char* library) {
  const Eds e(library);
  OpenedBook book = OpenDefaultBook(e);
  if (!book.client) return AddressBook::Unavailable(book.error);
  GSList* found = nullptr;
  GError* error = nullptr;
  if (!e.e_book_client_get_contacts_sync(book.client.get(), AnyPerson(e).c_str(), &found, nullptr, &error))
    return AddressBook::Unavailable(Because(e, "the address book could not be read", error));
  std::vector<AddressBookContact> people;
  for (GSList* c = found; c; c = c->next) people.push_back(PersonOf(e, static_cast<EVCard*>(c->data)));
  e.g_slist_free_full(found, e.g_object_unref);
  return AddressBook(std::move(people));
}

String AddToDefaultBook(const std::vector<String>& vcards) {
  if (String refusal = RefusalOutsidePrivateSession(); !refusal.empty()) return refusal;
  const Eds e(kAddressBookLibrary);
  OpenedBook book = OpenDefaultBook(e);
  if (!book.client) return book.error;
  GSList* people = nullptr;
  for (const String& vcard : vcards) people = e.g_slist_prepend(people, e.e_contact_new_from_vcard(vcard.c_str()));
  people = e.g_slist_reverse(people);
  GError* error = nullptr;
  const bool added = e.e_book_client_add_contacts_sync(book.client.get(), people, E_BOOK_OPERATION_FLAG_NONE,
                                                       nullptr, nullptr, &error);
  e.g_slist_free_full(people, e.g_object_unref);
  return added ? "" : Because(e, "the people were not added", error);
}

String EmptyDefaultBook() {
  if (String refusal = RefusalOutsidePrivateSession(); !refusal.empty()) return refusal;
  const Eds e(kAddressBookLibrary);
  OpenedBook book = OpenDefaultBook(e);
  if (!book.client) return book.error;
  GSList* uids = nullptr;
  GError* error = nullptr;
  if (!e.e_book_client_get_contacts_uids_sync(book.client.get(), AnyPerson(e).c_str(), &uids, nullptr, &error))
    return Because(e, "the people were not listed", error);
  const bool removed = !uids || e.e_book_client_remove_contacts_sync(book.client.get(), uids,
                                                                     E_BOOK_OPERATION_FLAG_NONE, nullptr, &error);
  e.g_slist_free_full(uids, e.g_free);
  return removed ? "" : Because(e, "the people were not removed", error);
}

}  // namespace fw::internal
