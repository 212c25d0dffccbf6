// The desktop's address book through Evolution Data Server (libebook). All of the
// framework's use of it is here, and this source includes no Qt header: GLib's D-Bus
// headers have a struct field named `signals`, which Qt's keyword macro rewrites.
#include "framework/address_book.h"

#include <libebook/libebook.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace fw {

namespace {

std::chrono::milliseconds gAnswerWithin{5000};

// e_book_client_connect_sync's wait for the backend to come online. Any wait above 0
// lasts its full length on a thread whose GLib main context is not running (as here),
// and 0 waits for ever; the largest value means "do not wait".
constexpr guint32 kDoNotWaitForOnline = G_MAXUINT32;

// The schema the client itself reads; without it GLib aborts the program instead of
// answering an error.
constexpr char kClientSchema[] = "org.gnome.Evolution.DefaultSources";

struct Unref {
  void operator()(gpointer object) const { g_object_unref(object); }
};
template <class T>
using Ref = std::unique_ptr<T, Unref>;

// What GLib objects made on this thread schedule goes to a context of the thread's own,
// never to the default context that the toolkit's event loop runs.
class OwnMainContext {
 public:
  OwnMainContext() : context_(g_main_context_new()) { g_main_context_push_thread_default(context_); }
  ~OwnMainContext() {
    g_main_context_pop_thread_default(context_);
    g_main_context_unref(context_);
  }
  OwnMainContext(const OwnMainContext&) = delete;
  OwnMainContext& operator=(const OwnMainContext&) = delete;

 private:
  GMainContext* context_;
};

String Because(const char* what, GError* error) {
  String reason = what;
  if (error) {
    reason += String(" (") + error->message + ")";
    g_error_free(error);
  }
  return reason;
}

bool ClientSchemaInstalled() {
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, kClientSchema, TRUE) : nullptr;
  if (schema) g_settings_schema_unref(schema);
  return schema != nullptr;
}

// Where GLib looks for the session bus before it would start one of its own through
// dbus-launch, a bus that would outlive the program.
bool SessionBusExists() {
  const char* address = g_getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address && *address) return true;
  gchar* socket = g_build_filename(g_get_user_runtime_dir(), "bus", nullptr);
  const bool exists = g_file_test(socket, G_FILE_TEST_EXISTS);
  g_free(socket);
  return exists;
}

struct OpenedBook {
  Ref<EBookClient> client;
  String error;
};

OpenedBook OpenDefaultBook() {
  if (!ClientSchemaInstalled())
    return {nullptr, "Evolution Data Server is not installed (its settings schema " + String(kClientSchema) + " is missing)"};
  if (!SessionBusExists())
    return {nullptr, "no desktop session bus is running (DBUS_SESSION_BUS_ADDRESS is not set and there is no "
                     "bus in the user's runtime folder)"};
  GError* error = nullptr;
  Ref<GDBusConnection> bus(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error));
  if (!bus) return {nullptr, Because("no desktop session bus is running", error)};
  // By default the loss of the session bus would end the whole program.
  g_dbus_connection_set_exit_on_close(bus.get(), FALSE);
  Ref<ESourceRegistry> registry(e_source_registry_new_sync(nullptr, &error));
  if (!registry) return {nullptr, Because("Evolution Data Server did not start", error)};
  // Without the service the registry still opens, empty.
  GList* sources = e_source_registry_list_sources(registry.get(), nullptr);
  const bool running = sources != nullptr;
  g_list_free_full(sources, g_object_unref);
  if (!running) return {nullptr, "Evolution Data Server is not installed or did not start (it lists no address books)"};
  Ref<ESource> source(e_source_registry_ref_builtin_address_book(registry.get()));
  if (!source) return {nullptr, "Evolution Data Server has no default address book"};
  EClient* client = e_book_client_connect_sync(source.get(), kDoNotWaitForOnline, nullptr, &error);
  if (!client) return {nullptr, Because("the address book did not open", error)};
  return {Ref<EBookClient>(E_BOOK_CLIENT(client)), ""};
}

// The query that every person matches.
String AnyPerson() {
  EBookQuery* query = e_book_query_any_field_contains("");
  gchar* text = e_book_query_to_string(query);
  e_book_query_unref(query);
  String result = text;
  g_free(text);
  return result;
}

// --- One person from their vCard --------------------------------------------------

String PartOf(EVCardAttribute* attribute, guint part) {
  const auto* text = static_cast<const char*>(g_list_nth_data(e_vcard_attribute_get_values(attribute), part));
  return text ? text : "";
}

// A one-value property whole: a card written without escaping its semicolons reads
// back as several parts.
String WholeValueOf(EVCardAttribute* attribute) {
  String value;
  for (GList* part = e_vcard_attribute_get_values(attribute); part; part = part->next) {
    if (part->prev) value += ";";
    if (part->data) value += static_cast<const char*>(part->data);
  }
  return value;
}

String ParameterOf(EVCardAttribute* attribute, const char* name) {
  GList* values = e_vcard_attribute_get_param(attribute, name);
  return values ? static_cast<const char*>(values->data) : "";
}

// The card's properties of this name, in the card's order.
std::vector<EVCardAttribute*> PropertiesNamed(EVCard* card, const char* name) {
  std::vector<EVCardAttribute*> found;
  for (GList* a = e_vcard_get_attributes(card); a; a = a->next) {
    auto* attribute = static_cast<EVCardAttribute*>(a->data);
    if (g_ascii_strcasecmp(e_vcard_attribute_get_name(attribute), name) == 0) found.push_back(attribute);
  }
  return found;
}

AddressBookData ValuesNamed(EVCard* card, const char* name) {
  std::vector<String> values;
  for (EVCardAttribute* a : PropertiesNamed(card, name)) values.push_back(WholeValueOf(a));
  return AddressBookData(std::move(values));
}

AddressBookData FirstValueNamed(EVCard* card, const char* name) {
  const std::vector<EVCardAttribute*> found = PropertiesNamed(card, name);
  return found.empty() ? AddressBookData() : AddressBookData(WholeValueOf(found.front()));
}

// ADR's parts: post office box, extended address, street, locality, region, postal
// code, country.
AddressBookData AddressesOf(EVCard* card) {
  std::vector<AddressBookAddress> addresses;
  for (EVCardAttribute* a : PropertiesNamed(card, EVC_ADR))
    addresses.push_back({PartOf(a, 2), PartOf(a, 5), PartOf(a, 3), PartOf(a, 4), PartOf(a, 6), ParameterOf(a, "CC")});
  return AddressBookData(std::move(addresses));
}

PhoneKind KindOf(EVCardAttribute* tel) {
  if (e_vcard_attribute_has_type(tel, "CELL")) return PhoneKind::Mobile;
  if (e_vcard_attribute_has_type(tel, "FAX")) return PhoneKind::Fax;
  if (e_vcard_attribute_has_type(tel, "VOICE")) return PhoneKind::Phone;
  return PhoneKind::Unstated;
}

AddressBookData PhonesOf(EVCard* card) {
  std::vector<String> numbers;
  std::vector<PhoneKind> kinds;
  for (EVCardAttribute* a : PropertiesNamed(card, EVC_TEL)) {
    numbers.push_back(WholeValueOf(a));
    kinds.push_back(KindOf(a));
  }
  return AddressBookData(std::move(numbers), std::move(kinds));
}

AddressBookContact PersonOf(EVCard* card) {
  AddressBookContact person;
  if (EVCardAttribute* n = e_vcard_get_attribute(card, EVC_N)) {
    person.LastName = AddressBookData(PartOf(n, 0));
    person.FirstName = AddressBookData(PartOf(n, 1));
    person.MiddleName = AddressBookData(PartOf(n, 2));
  }
  if (EVCardAttribute* org = e_vcard_get_attribute(card, EVC_ORG)) person.CompanyName = AddressBookData(PartOf(org, 0));
  person.Note = FirstValueNamed(card, EVC_NOTE);
  person.Addresses = AddressesOf(card);
  person.PhoneNumbers = PhonesOf(card);
  person.EmailAddresses = ValuesNamed(card, EVC_EMAIL);
  person.Homepage = ValuesNamed(card, EVC_URL);
  return person;
}

AddressBook ReadDefaultBook() {
  OwnMainContext context;
  OpenedBook book = OpenDefaultBook();
  if (!book.client) return AddressBook::Unavailable(book.error);
  GSList* found = nullptr;
  GError* error = nullptr;
  if (!e_book_client_get_contacts_sync(book.client.get(), AnyPerson().c_str(), &found, nullptr, &error))
    return AddressBook::Unavailable(Because("the address book could not be read", error));
  std::vector<AddressBookContact> people;
  for (GSList* c = found; c; c = c->next) people.push_back(PersonOf(E_VCARD(c->data)));
  g_slist_free_full(found, g_object_unref);
  return AddressBook(std::move(people));
}

// --- Tests' access --------------------------------------------------------------

// Only scripts/private-session.sh names its fresh folder in this variable, and makes
// HOME the "home" inside it; a user's own session has neither.
constexpr char kPrivateSessionVariable[] = "VELQORA_PRIVATE_SESSION";

String RefusalOutsidePrivateSession() {
  const char* session = g_getenv(kPrivateSessionVariable);
  const char* home = g_getenv("HOME");
  const String temporary = String(g_get_tmp_dir()) + "/";
  if (!session || !*session) return "refused: " + String(kPrivateSessionVariable) + " is not set";
  if (String(session).rfind(temporary, 0) != 0) return "refused: the private session is not inside " + temporary;
  if (!home || String(home) != String(session) + "/home") return "refused: HOME is not the private session's";
  return "";
}

}  // namespace

AddressBook SystemAddressBook() {
  struct Handoff {
    std::mutex mutex;
    std::condition_variable done;
    std::optional<AddressBook> book;
  };
  auto handoff = std::make_shared<Handoff>();
  // The book is read on a thread of its own, so that a service that never answers
  // costs the caller no more than the wait; that thread then ends on its own.
  try {
    std::thread([handoff] {
      AddressBook book = ReadDefaultBook();
      std::lock_guard lock(handoff->mutex);
      handoff->book = std::move(book);
      handoff->done.notify_all();
    }).detach();
  } catch (const std::system_error& e) {
    return AddressBook::Unavailable(String("the address book could not be read (") + e.what() + ")");
  }
  std::unique_lock lock(handoff->mutex);
  if (!handoff->done.wait_for(lock, gAnswerWithin, [&] { return handoff->book.has_value(); }))
    return AddressBook::Unavailable("the address book service did not answer within " +
                                    Str(static_cast<double>(gAnswerWithin.count()) / 1000) + " seconds");
  return std::move(*handoff->book);
}

void SetAddressBookWaitForTesting(int32_t milliseconds) { gAnswerWithin = std::chrono::milliseconds(milliseconds); }

String AddToSystemAddressBookForTesting(const std::vector<String>& vcards) {
  if (String refusal = RefusalOutsidePrivateSession(); !refusal.empty()) return refusal;
  OwnMainContext context;
  OpenedBook book = OpenDefaultBook();
  if (!book.client) return book.error;
  GSList* people = nullptr;
  for (const String& vcard : vcards) people = g_slist_prepend(people, e_contact_new_from_vcard(vcard.c_str()));
  people = g_slist_reverse(people);
  GError* error = nullptr;
  const bool added = e_book_client_add_contacts_sync(book.client.get(), people, E_BOOK_OPERATION_FLAG_NONE, nullptr,
                                                     nullptr, &error);
  g_slist_free_full(people, g_object_unref);
  return added ? "" : Because("the people were not added", error);
}

String EmptySystemAddressBookForTesting() {
  if (String refusal = RefusalOutsidePrivateSession(); !refusal.empty()) return refusal;
  OwnMainContext context;
  OpenedBook book = OpenDefaultBook();
  if (!book.client) return book.error;
  GSList* uids = nullptr;
  GError* error = nullptr;
  if (!e_book_client_get_contacts_uids_sync(book.client.get(), AnyPerson().c_str(), &uids, nullptr, &error))
    return Because("the people were not listed", error);
  const bool removed = !uids || e_book_client_remove_contacts_sync(book.client.get(), uids, E_BOOK_OPERATION_FLAG_NONE,
                                                                   nullptr, &error);
  g_slist_free_full(uids, g_free);
  return removed ? "" : Because("the people were not removed", error);
}

}  // namespace fw
